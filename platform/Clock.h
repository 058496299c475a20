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
    // Waits, with no window to serve meanwhile.
    virtual void Sleep(int milliseconds) = 0;
};
