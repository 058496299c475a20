#pragma once
// Message boxes with the program's caption, owned by the program's own window
// in front (its main dialog, or a dialog that dialog runs), so that the box
// holds that window also while another program is in front.
#include <windows.h>

#include "platform/MessageBoxes.h"

class Win32MessageBoxes : public IMessageBoxes {
public:
    explicit Win32MessageBoxes(std::string caption) : m_caption(std::move(caption)) {}
    int Show(const std::string& text, unsigned style) override;
    // The program's main window from its creation; null once it is destroyed.
    void SetMainWindow(HWND window) { m_main = window; }

private:
    const std::string m_caption;
    HWND m_main = nullptr;
};
