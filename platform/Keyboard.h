#pragma once
#include <vector>

class IKeyboard {
public:
    virtual ~IKeyboard() = default;
    // GetKeyState: bit 0 toggled, bit 15 held down.
    virtual short KeyState(int virtualKey) = 0;
    // The same for several keys, from one look at the keyboard's state
    // (GetKeyboardState): one call to the system instead of one per key.
    virtual std::vector<short> KeyStates(const std::vector<int>& virtualKeys) = 0;
};
