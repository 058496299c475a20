#pragma once
// Message boxes with the program's caption, owned by the thread's active
// window (the program's main dialog while it is open).
#include "platform/MessageBoxes.h"

class Win32MessageBoxes : public IMessageBoxes {
public:
    explicit Win32MessageBoxes(std::string caption) : m_caption(std::move(caption)) {}
    int Show(const std::string& text, unsigned style) override;

private:
    const std::string m_caption;
};
