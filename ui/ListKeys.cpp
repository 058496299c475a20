#include "ui/ListKeys.h"

#include "platform/WinValues.h"

bool TakeListKey(IListView& list, int virtualKey) {
    if (list.SelectedCount() > 0) return false;
    if (virtualKey == win::VkReturn) return true;
    const bool first = virtualKey == win::VkDown || virtualKey == win::VkHome;
    const bool last = virtualKey == win::VkUp || virtualKey == win::VkEnd;
    if ((!first && !last) || list.Count() == 0) return false;
    const int row = first ? 0 : list.Count() - 1;
    list.SetSelected(row, true);
    list.SetFocused(row);
    list.EnsureVisible(row);
    return true;
}
