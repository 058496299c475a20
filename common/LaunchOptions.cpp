#include "common/LaunchOptions.h"

#include <algorithm>

#include "common/TextHelpers.h"

const char MinimisedField[] = "min";
const char MainsField[] = "mains";
const char NetworkField[] = "net";

namespace {
constexpr char DaysPrefix[] = "DAYS:";
bool IsDaysField(const std::string& extra) { return UpperCopy(extra.substr(0, 5)) == DaysPrefix; }
}  // namespace

LaunchOptions LaunchOptionsOf(const std::vector<std::string>& extras) {
    LaunchOptions options;
    options.minimised = HasExtraField(extras, MinimisedField);
    options.mains = HasExtraField(extras, MainsField);
    options.network = HasExtraField(extras, NetworkField);
    const auto days = std::find_if(extras.begin(), extras.end(), IsDaysField);
    if (days == extras.end()) return options;
    options.days = 0;
    for (char digit : days->substr(5))
        if (digit >= '1' && digit <= '7') options.days |= 1u << (digit - '1');
    return options;
}

void SetLaunchOptions(ManagerLine& line, const LaunchOptions& options) {
    SetExtraField(line, MinimisedField, options.minimised);
    SetExtraField(line, MainsField, options.mains);
    SetExtraField(line, NetworkField, options.network);
    auto& extras = line.extras;
    extras.erase(std::remove_if(extras.begin(), extras.end(), IsDaysField), extras.end());
    if ((options.days & LaunchOptions::AllDays) == LaunchOptions::AllDays) return;
    std::string days = "days:";
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (options.OnDay(weekday)) days += static_cast<char>('0' + weekday);
    extras.push_back(days);
}

const char* WeekdayName(int weekday) {
    static const char* const names[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    return names[(weekday - 1) % 7];
}
