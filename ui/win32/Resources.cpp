#include "ui/win32/Resources.h"

namespace ui32 {

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

HICON LoadIconResource(int id) {
    return LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(id));
}

int DpiOf(HWND window) {
    // Windows 7 has no GetDpiForWindow: the programs must still start there.
    using ForWindow = UINT(WINAPI*)(HWND);
    const auto forWindow =
        reinterpret_cast<ForWindow>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32"), "GetDpiForWindow")));
    const UINT dpi = forWindow ? forWindow(window) : 0;
    if (dpi) return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int system = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return system;
}

int PictureDpi(HWND window) {
    const int dpi = DpiOf(window);
    // The layouts and pictures were drawn for 8-point MS Sans Serif at 96
    // dots an inch, whose line is 13 pixels high.
    RECT line{0, 0, 0, 8};
    MapDialogRect(GetAncestor(window, GA_ROOT), &line);
    const int layout = MulDiv(line.bottom, BaseDpi, 13);
    return layout < dpi ? layout : dpi;
}

int Scaled(HWND window, int pixels) {
    return MulDiv(pixels, DpiOf(window), BaseDpi);
}

namespace {

// The pictures are drawn on the classic dialog grey with its shadow grey:
// those become the system's own face and shadow colours, so that a picture
// sits on the dialog whatever its colours are. They are pixel maps: each
// pixel grows whole, so that the picture stays sharp at any scale.
HBITMAP LoadOnButtonFace(LPCSTR name, int dpi) {
    auto picture = static_cast<HBITMAP>(LoadImageA(ProgramInstance(), name, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    if (!picture) return nullptr;
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    DeleteObject(picture);
    // Made larger, a bitmap repeats its pixels: no blur.
    return static_cast<HBITMAP>(LoadImageA(ProgramInstance(), name, IMAGE_BITMAP, MulDiv(info.bmWidth, dpi, BaseDpi),
                                           MulDiv(info.bmHeight, dpi, BaseDpi), LR_LOADMAP3DCOLORS));
}

}  // namespace

HBITMAP LoadBitmapResource(int id, int dpi) {
    return LoadOnButtonFace(MAKEINTRESOURCEA(id), dpi);
}

HBITMAP LoadBitmapResource(const std::string& name, int dpi) {
    return LoadOnButtonFace(name.c_str(), dpi);
}

}  // namespace ui32
