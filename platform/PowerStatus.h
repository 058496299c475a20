#pragma once
// Whether the computer runs on mains power (GetSystemPowerStatus).

namespace power {
constexpr int Battery = 0;
constexpr int Mains = 1;
constexpr int Unknown = 255;
}  // namespace power

class IPowerStatus {
public:
    // The AC line status as the system gives it: 0 battery, 1 mains, 255
    // unknown; some systems (and Wine) give other values, which mean unknown
    // too. Unknown where the call fails.
    virtual int AcLine() = 0;

protected:
    ~IPowerStatus() = default;  // as IDesktopWindows'
};
