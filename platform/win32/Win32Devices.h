#pragma once
// The clock, the keyboard and the screen as the system gives them.
#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "platform/Screen.h"

class Win32Clock : public IClock {
public:
    SystemTime Now() override;
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
