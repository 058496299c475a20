#pragma once
// Clock, keyboard, screen and processor times that tests set by hand.
#include <map>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "platform/ProcessorTimes.h"
#include "platform/Screen.h"
#include "platform/Session.h"

class FakeClock : public IClock {
public:
    SystemTime Now() override { return time; }
    void Sleep(int milliseconds) override { Advance(milliseconds); }
    // Moves the clock on, carrying seconds into minutes and hours.
    void Advance(int milliseconds);
    SystemTime time{2026, 12, 1, 7, 9, 0, 0, 0};
};

class FakeKeyboard : public IKeyboard {
public:
    short KeyState(int virtualKey) override;
    std::vector<short> KeyStates(const std::vector<int>& virtualKeys) override;
    void Set(int virtualKey, short state) { states[virtualKey] = state; }
    std::map<int, short> states;
};

class FakeScreen : public IScreen {
public:
    Rect Desktop() override { return desktop; }
    bool WorkArea(Rect& area) override;
    Rect desktop{0, 0, 1024, 768};
    Rect workArea{0, 0, 1024, 740};
    bool workAreaFails = false;
};

// A machine's processor times as a test scripts them: Spend moves them on.
// Programs of one session share the world: each claim holds until the test ends.
class MemorySession : public ISession {
public:
    bool ClaimOnce(const std::string& name) override;
    std::vector<std::string> claimed;
};

class ScriptedProcessorTimes : public IProcessorTimes {
public:
    bool Read(ProcessorTimes& read) override {
        ++reads;
        if (!available) return false;
        read = times;
        return true;
    }
    // The processors run for the time given, busy for that share of it.
    void Spend(int milliseconds, int busyPercent);
    ProcessorTimes times;
    bool available = true;  // false: a system without GetSystemTimes
    int reads = 0;
};
