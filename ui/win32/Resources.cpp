#include "ui/win32/Resources.h"

namespace ui32 {

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

HICON LoadIconResource(int id) {
    return LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(id));
}

namespace {

// The pictures are drawn on the classic dialog grey with its shadow grey:
// those become the system's own face and shadow colours, so that a picture
// sits on the dialog whatever its colours are.
HBITMAP LoadOnButtonFace(LPCSTR name) {
    return static_cast<HBITMAP>(LoadImageA(ProgramInstance(), name, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}

}  // namespace

HBITMAP LoadBitmapResource(int id) {
    return LoadOnButtonFace(MAKEINTRESOURCEA(id));
}

HBITMAP LoadBitmapResource(const std::string& name) {
    return LoadOnButtonFace(name.c_str());
}

}  // namespace ui32
