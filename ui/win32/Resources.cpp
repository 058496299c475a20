#include "ui/win32/Resources.h"

namespace ui32 {

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

HICON LoadIconResource(int id) {
    return LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(id));
}

HBITMAP LoadBitmapResource(int id) {
    return LoadBitmapA(ProgramInstance(), MAKEINTRESOURCEA(id));
}

HBITMAP LoadBitmapResource(const std::string& name) {
    return LoadBitmapA(ProgramInstance(), name.c_str());
}

}  // namespace ui32
