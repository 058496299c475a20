#pragma once
// The main window's layout and its two menus, stated once for both faces.
#include "ui/DialogTemplate.h"

const DialogTemplate& ConfigDialogTemplate();
const MenuTemplate& ConfigMenuBar();
const MenuTemplate& ConfigPopupMenu();
