#include "platform/win32/Win32MessageBoxes.h"

#include <windows.h>

int Win32MessageBoxes::Show(const std::string& text, unsigned style) {
    return MessageBoxA(GetActiveWindow(), text.c_str(), m_caption.c_str(), style);
}
