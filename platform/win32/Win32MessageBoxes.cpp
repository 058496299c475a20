#include "platform/win32/Win32MessageBoxes.h"

int Win32MessageBoxes::Show(const std::string& text, unsigned style) {
    // The thread's active window is null while another program is in front;
    // an unowned box would leave the main window free to be clicked.
    HWND owner = GetActiveWindow();
    if (!owner && m_main) owner = GetLastActivePopup(m_main);
    return MessageBoxA(owner, text.c_str(), m_caption.c_str(), style);
}
