#pragma once
// Pictures from the running program's own resources, and the scale a window
// is drawn at.
#include <windows.h>

#include <string>

namespace ui32 {
// The scale the pictures and lengths in pixels are drawn for.
constexpr int BaseDpi = 96;
HINSTANCE ProgramInstance();
HICON LoadIconResource(int id);
// The dots per inch a window is drawn at: its monitor's where the system
// tells (Windows 10 1607 on), else the system's.
int DpiOf(HWND window);
// The same, but no more than the layout of the window's dialog has grown:
// a bitmap face (MS Sans Serif) grows by steps, and a picture must fit the
// place its layout keeps for it.
int PictureDpi(HWND window);
// A length in pixels at 96 dots an inch, at the window's scale.
int Scaled(HWND window, int pixels);
// Bitmaps come with their grey ground in the system's button-face colour,
// scaled from 96 dots an inch to dpi (nearest pixels); null when the program has no bitmap
// of that id or name.
HBITMAP LoadBitmapResource(int id, int dpi);
HBITMAP LoadBitmapResource(const std::string& name, int dpi);
}  // namespace ui32
