#pragma once
// The clock, the keyboard, the screen and the processors' times as the
// system gives them.
#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "platform/ProcessorTimes.h"
#include "platform/Screen.h"
#include "platform/Session.h"

class Win32Clock : public IClock {
public:
    SystemTime Now() override;
    void Sleep(int milliseconds) override;
};

class Win32Keyboard : public IKeyboard {
public:
    short KeyState(int virtualKey) override;
    std::vector<short> KeyStates(const std::vector<int>& virtualKeys) override;
};

class Win32Screen : public IScreen {
public:
    Rect Desktop() override;
    bool WorkArea(Rect& area) override;
};

// GetSystemTimes, looked up in kernel32 at the first reading: the systems
// before it lack it, and a runner with no item that asks pays nothing.
class Win32Session : public ISession {
public:
    bool ClaimOnce(const std::string& name) override;
};

class Win32ProcessorTimes : public IProcessorTimes {
public:
    bool Read(ProcessorTimes& times) override;

private:
    using GetSystemTimesFn = int(__stdcall*)(void*, void*, void*);
    bool m_looked = false;
    GetSystemTimesFn m_get = nullptr;
};
