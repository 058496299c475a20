#include "config/WaitColumn.h"

#include "common/LaunchOptions.h"
#include "common/ManagerInfo.h"

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
    if (options.Has(LaunchOptions::Network)) text += text.empty() ? "net" : " + net";
    const char* const marks[] = {options.Has(LaunchOptions::Minimised) ? "min" : nullptr,
                                 options.Has(LaunchOptions::Mains) ? "mains" : nullptr,
                                 options.EveryDay() ? nullptr : "days"};
    for (const char* mark : marks) {
        if (!mark) continue;
        if (!text.empty()) text += ", ";
        text += mark;
    }
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
