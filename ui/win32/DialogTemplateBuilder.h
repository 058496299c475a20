#pragma once
// The in-memory DLGTEMPLATE that DialogBoxIndirectParamA runs.
#include <windows.h>

#include <vector>

#include "ui/DialogTemplate.h"

namespace ui32 {
// DS_SETFONT with the template's font; every control a visible child
// (WS_CHILD | WS_VISIBLE added). The words stay valid while the vector lives.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialog);
}  // namespace ui32
