#include "config/WaitColumn.h"

namespace {
const char kIdle[] = "idle";
const char kPlusIdle[] = " + idle";
}  // namespace

std::string WaitColumnText(const std::string& wait, bool idle) {
    if (!idle) return wait;
    return wait.empty() ? kIdle : wait + kPlusIdle;
}

std::string WaitOfColumn(const std::string& text, bool idle) {
    if (!idle) return text;
    if (text == kIdle) return "";
    const std::string::size_type suffix = sizeof kPlusIdle - 1;
    if (text.size() >= suffix && text.compare(text.size() - suffix, suffix, kPlusIdle) == 0)
        return text.substr(0, text.size() - suffix);
    return text;
}
