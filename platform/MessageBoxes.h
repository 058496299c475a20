#pragma once
// Modal message boxes, owned by the program's main window, captioned with the
// program's name.
#include <string>

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // Shows the text with the given win::Mb* style; returns the win::Id* answer.
    virtual int Show(const std::string& text, unsigned style) = 0;
};
