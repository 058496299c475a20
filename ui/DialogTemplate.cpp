#include "ui/DialogTemplate.h"

namespace {

bool HasCommand(const std::vector<MenuItemTemplate>& items, int id) {
    for (const MenuItemTemplate& item : items)
        if ((item.id != 0 && item.id == id) || HasCommand(item.items, id)) return true;
    return false;
}

}  // namespace

const ControlTemplate* DialogTemplate::Find(int id) const {
    for (const ControlTemplate& control : controls)
        if (control.id == id) return &control;
    return nullptr;
}

bool DialogTemplate::Names(int id) const {
    if (Find(id) != nullptr) return true;
    if (menuBar != nullptr && HasCommand(menuBar->items, id)) return true;
    for (const MenuTemplate* menu : popupMenus)
        if (HasCommand(menu->items, id)) return true;
    return false;
}
