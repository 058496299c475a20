#pragma once
// A dialog's layout, stated once: the win32 face builds its in-memory
// template from it, the headless face its controls.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/WinValues.h"

namespace ui {
constexpr const char* ButtonClass = "BUTTON";
constexpr const char* StaticClass = "STATIC";
constexpr const char* ListBoxClass = "LISTBOX";
constexpr const char* EditClass = "EDIT";
constexpr const char* ListViewClass = "SysListView32";
constexpr int IdStatic = -1;
// A child dialog run modally over its owner: framed, centred, with a caption
// and its close box, in the template's font.
constexpr uint32_t ModalChildStyle =
    win::DsModalFrame | win::DsSetFont | win::DsCenter | win::WsPopup | win::WsCaption | win::WsSysMenu;
}  // namespace ui

struct MenuItemTemplate {
    std::string text;                     // empty with id 0: a separator
    int id = 0;                           // command id; 0 for a popup or a separator
    std::vector<MenuItemTemplate> items;  // a popup's entries
};

struct MenuTemplate {
    int resourceId = 0;
    std::vector<MenuItemTemplate> items;  // the bar's popups (or the popup menu's one popup)
};

// Plain data, so that a dialog's list of controls is a constant table
// rather than code that builds each string.
struct ControlTemplate {
    int id = ui::IdStatic;
    const char* windowClass = "";
    const char* text = "";
    // win::Ws*, Bs*, Ss*, Lbs*, Lvs*, Es*. Every control is created as a
    // visible child (the hosts add WS_CHILD | WS_VISIBLE); WS_DISABLED starts
    // it disabled. A dialog hides controls from OnInitDialog.
    uint32_t style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    uint32_t exStyle = 0;

    bool Is(const char* kind) const { return std::strcmp(windowClass, kind) == 0; }
};

struct DialogTemplate {
    int resourceId = 0;
    std::string caption;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    std::string font = "MS Sans Serif";
    int pointSize = 8;
    const MenuTemplate* menuBar = nullptr;  // none: no menu bar
    std::vector<const MenuTemplate*> popupMenus;  // the context menus it opens
    std::vector<ControlTemplate> controls;

    const ControlTemplate* Find(int id) const;
    // True when a control or a command of its menus has this id.
    bool Names(int id) const;
};

