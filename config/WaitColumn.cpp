#include "config/WaitColumn.h"

#include "common/LaunchOptions.h"

namespace {
const char kIdle[] = "idle";
const char kPlusIdle[] = " + idle";
}  // namespace

std::string WaitColumnText(const std::string& wait, bool idle) {
    if (!idle) return wait;
    return wait.empty() ? kIdle : wait + kPlusIdle;
}

std::string WaitColumnText(const std::string& wait, const std::vector<std::string>& extras) {
    const LaunchOptions options = LaunchOptionsOf(extras);
    std::string text = WaitColumnText(wait, HasExtraField(extras, IdleField));
    if (options.network) text += text.empty() ? "net" : " + net";
    const auto mark = [&text](bool on, const char* what) {
        if (on) text += (text.empty() ? "" : ", ") + std::string(what);
    };
    mark(options.minimised, "min");
    mark(options.mains, "mains");
    mark(options.days != LaunchOptions::AllDays, "days");
    return text;
}

std::string WaitOfColumn(const std::string& text, bool idle) {
    if (!idle) return text;
    if (text == kIdle) return "";
    const std::string::size_type suffix = sizeof kPlusIdle - 1;
    if (text.size() >= suffix && text.compare(text.size() - suffix, suffix, kPlusIdle) == 0)
        return text.substr(0, text.size() - suffix);
    return text;
}
