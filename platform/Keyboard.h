#pragma once

class IKeyboard {
public:
    virtual ~IKeyboard() = default;
    // GetKeyState: bit 0 toggled, bit 15 held down.
    virtual short KeyState(int virtualKey) = 0;
};
