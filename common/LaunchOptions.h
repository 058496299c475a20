#pragma once
// How a managed item is launched, kept as fields of its Orvane.ini line
// between the source and the wait: "min" starts it minimised, "mains" only on
// mains power, "net" after a network connection is up, "days:12345" only on
// those weekdays (1 Monday ... 7 Sunday, local time). A line without them is
// written as before.
#include <string>
#include <vector>

#include "common/ManagerInfo.h"

extern const char MinimisedField[];
extern const char MainsField[];
extern const char NetworkField[];

struct LaunchOptions {
    static constexpr unsigned AllDays = 0x7F;
    bool minimised = false, mains = false, network = false;
    unsigned days = AllDays;  // bit d - 1 for weekday d (1 Monday ... 7 Sunday)

    // The weekday of a SystemTime's dayOfWeek (0 Sunday ... 6 Saturday).
    static int Weekday(int dayOfWeek) { return dayOfWeek == 0 ? 7 : dayOfWeek; }
    bool OnDay(int weekday) const { return (days >> (weekday - 1) & 1) != 0; }
};

// The options the fields give; "days:" followed by no weekday is no day.
LaunchOptions LaunchOptionsOf(const std::vector<std::string>& extras);
// Sets the line's option fields, keeping every other field.
void SetLaunchOptions(ManagerLine& line, const LaunchOptions& options);

// "Monday" ... "Sunday" for weekdays 1 ... 7.
const char* WeekdayName(int weekday);
