#pragma once
// Pictures of windows as a person sees them, for looking at what a test
// drove: saved only when ORVANE_SHOTS names a folder.
#include <windows.h>

#include <string>

// Saves the screen area of the window as ORVANE_SHOTS\name.bmp; false when
// no folder is named or the picture could not be written.
bool SaveScreenshot(HWND window, const std::string& name);
