#include "platform/memory/MemoryDevices.h"

namespace {

int DaysInMonth(int month, int year) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[(month - 1) % 12];
}

// Carries milliseconds on into seconds, minutes, hours and days.
void AdvanceTime(SystemTime& time, long milliseconds) {
    long carry = time.milliseconds + milliseconds;
    time.milliseconds = static_cast<uint16_t>(carry % 1000);
    carry = time.second + carry / 1000;
    time.second = static_cast<uint16_t>(carry % 60);
    carry = time.minute + carry / 60;
    time.minute = static_cast<uint16_t>(carry % 60);
    carry = time.hour + carry / 60;
    time.hour = static_cast<uint16_t>(carry % 24);
    for (long days = carry / 24; days > 0; --days) {
        time.dayOfWeek = static_cast<uint16_t>((time.dayOfWeek + 1) % 7);
        if (++time.day > DaysInMonth(time.month, time.year)) {
            time.day = 1;
            if (++time.month > 12) {
                time.month = 1;
                ++time.year;
            }
        }
    }
}

}  // namespace

void FakeClock::Advance(int milliseconds) {
    AdvanceTime(time, milliseconds);
}

SystemTime FakeClock::LocalNow() {
    SystemTime local = time;
    AdvanceTime(local, localMinutesAhead * 60000L);
    return local;
}

void FakeClock::Sleep(int milliseconds) {
    slept += milliseconds;
    Advance(milliseconds);
}

short FakeKeyboard::KeyState(int virtualKey) {
    const auto found = states.find(virtualKey);
    return found == states.end() ? 0 : found->second;
}

std::vector<short> FakeKeyboard::KeyStates(const std::vector<int>& virtualKeys) {
    std::vector<short> read;
    for (int key : virtualKeys) read.push_back(KeyState(key));
    return read;
}

bool FakeScreen::WorkArea(Rect& area) {
    if (workAreaFails) return false;
    area = workArea;
    return true;
}

void ScriptedProcessorTimes::Spend(int milliseconds, int busyPercent) {
    const uint64_t total = static_cast<uint64_t>(milliseconds) * 10000;
    const uint64_t busy = total * static_cast<uint64_t>(busyPercent) / 100;
    times.idle += total - busy;
    times.kernel += total - busy;  // the idle time counts as kernel time
    times.user += busy;
}

bool MemorySession::ClaimOnce(const std::string& name) {
    for (const std::string& held : claimed)
        if (held == name) return false;
    claimed.push_back(name);
    return true;
}
