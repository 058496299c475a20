// Apart from Orvane.log's writing, which the configuration program does not
// carry: both programs count times this way.
#include "common/Milliseconds.h"

namespace {

// Days from 1 January 1601 to the date, in the proleptic Gregorian calendar.
int64_t DaysOf(int year, int month, int day) {
    year -= month <= 2;
    const int64_t era = year / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 584694;  // 1601-01-01 is day 584694 from 0000-03-01
}

}  // namespace

int64_t MillisecondsOf(const SystemTime& t) {
    const int64_t days = DaysOf(t.year, t.month, t.day);
    return ((days * 24 + t.hour) * 60 + t.minute) * 60000 + int64_t{t.second} * 1000 + t.milliseconds;
}
