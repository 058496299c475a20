#pragma once
// Real menus built from a MenuTemplate.
#include <windows.h>

#include "ui/DialogTemplate.h"

namespace ui32 {
// A menu bar holding the template's popups (CreateMenu).
HMENU CreateMenuBar(const MenuTemplate& menu);
// The template's first popup as a stand-alone popup menu; null when the
// template holds no popup.
HMENU CreatePopup(const MenuTemplate& menu);
}  // namespace ui32
