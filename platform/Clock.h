#pragma once
#include <cstdint>

// GetSystemTime's fields (UTC), 16 bits each.
struct SystemTime {
    uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0, hour = 0, minute = 0, second = 0, milliseconds = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual SystemTime Now() = 0;
    // The same in local time (GetLocalTime): what day it is for the user.
    virtual SystemTime LocalNow() = 0;
    // Sleep: for a program that has nothing else to do meanwhile.
    virtual void Sleep(int milliseconds) = 0;
};
