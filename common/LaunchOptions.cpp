#include "common/LaunchOptions.h"

#include "common/TextHelpers.h"

namespace {

// As written, and as compared: a field in any case.
const char* const Names[] = {"min", "mains", "net"};
const char* const UpperNames[] = {"MIN", "MAINS", "NET"};
constexpr unsigned Days = LaunchOptions::Monday;

// The option bit a field stands for (Days for a days field), compared
// without regard to case as every field; 0 for any other field.
unsigned OptionOf(const std::string& extra) {
    const std::string upper = UpperCopy(extra);
    if (upper.compare(0, 5, "DAYS:") == 0) return Days;
    for (unsigned i = 0; i < 3; ++i)
        if (upper == UpperNames[i]) return 1u << i;
    return 0;
}

}  // namespace

LaunchOptions LaunchOptionsOf(const std::vector<std::string>& extras) {
    unsigned bits = 0, days = LaunchOptions::AllDays;
    bool daysRead = false;
    for (const std::string& extra : extras) {
        const unsigned option = OptionOf(extra);
        if (option != Days) {
            bits |= option;
        } else if (!daysRead) {  // the first one counts
            daysRead = true;
            days = 0;
            for (char digit : extra.substr(5))
                if (digit >= '1' && digit <= '7') days |= Days << (digit - '1');
        }
    }
    return LaunchOptions{bits | days};
}

void SetLaunchOptions(std::vector<std::string>& extras, const LaunchOptions& options) {
    for (std::size_t i = extras.size(); i-- > 0;)
        if (OptionOf(extras[i]) != 0) extras.erase(extras.begin() + static_cast<std::ptrdiff_t>(i));
    for (unsigned i = 0; i < 3; ++i)
        if (options.Has(1u << i)) extras.push_back(Names[i]);
    if (options.EveryDay()) return;
    extras.push_back("days:");
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (options.OnDay(weekday)) extras.back() += static_cast<char>('0' + weekday);
}
