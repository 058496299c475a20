#pragma once
// How a managed item is launched, kept as fields of its Orvane.ini line
// between the source and the wait: "min" starts it minimised, "mains" only on
// mains power, "net" after a network connection is up, "days:12345" only on
// those weekdays (1 Monday ... 7 Sunday, local time). A line without them is
// written as before.
#include <string>
#include <vector>


// One bit each, in the order the properties show them: the three options,
// then the weekdays, Monday first.
struct LaunchOptions {
    enum : unsigned { Minimised = 1, Mains = 2, Network = 4, Monday = 8 };
    static constexpr unsigned AllDays = 0x7Fu * Monday;
    unsigned bits = AllDays;

    bool Has(unsigned option) const { return (bits & option) != 0; }
    // The weekday of a SystemTime's dayOfWeek (0 Sunday ... 6 Saturday).
    static int Weekday(int dayOfWeek) { return dayOfWeek == 0 ? 7 : dayOfWeek; }
    bool OnDay(int weekday) const { return Has(Monday << (weekday - 1)); }
    bool EveryDay() const { return (bits & AllDays) == AllDays; }
};

// The options the fields give; "days:" followed by no weekday is no day.
LaunchOptions LaunchOptionsOf(const std::vector<std::string>& extras);
// Sets the option fields among a line's extras, keeping every other field.
void SetLaunchOptions(std::vector<std::string>& extras, const LaunchOptions& options);
