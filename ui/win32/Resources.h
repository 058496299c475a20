#pragma once
// Pictures from the running program's own resources.
#include <windows.h>

#include <string>

namespace ui32 {
HINSTANCE ProgramInstance();
HICON LoadIconResource(int id);
// Bitmaps come with their grey ground in the system's button-face colour.
HBITMAP LoadBitmapResource(int id);
// Null when the program has no bitmap of that name.
HBITMAP LoadBitmapResource(const std::string& name);
}  // namespace ui32
