#include "ui/win32/Menus.h"

namespace ui32 {
namespace {

void AppendItems(HMENU menu, const std::vector<MenuItemTemplate>& items) {
    for (const MenuItemTemplate& item : items) {
        if (!item.items.empty()) {
            HMENU popup = CreatePopupMenu();
            AppendItems(popup, item.items);
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), item.text.c_str());
        } else if (item.id == 0 && item.text.empty()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.id), item.text.c_str());
        }
    }
}

}  // namespace

HMENU CreateMenuBar(const MenuTemplate& menu) {
    HMENU bar = CreateMenu();
    AppendItems(bar, menu.items);
    return bar;
}

HMENU CreatePopup(const MenuTemplate& menu) {
    if (menu.items.empty() || menu.items.front().items.empty()) return nullptr;
    HMENU popup = CreatePopupMenu();
    AppendItems(popup, menu.items.front().items);
    return popup;
}

}  // namespace ui32
