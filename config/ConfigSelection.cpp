// What the selection of a list enables: the arrows, the one selection across
// the two registry lists, and the context menu.
#include "config/ConfigDialogTemplate.h"
#include "config/ConfigDlg.h"
#include "config/ConfigResources.h"

using namespace config;

void CConfigDlg::UpdateArrowButtons(ItemList& list) {
    if (list.up == nullptr) return;
    const IListView& view = *list.view;
    const int row = view.SelectedCount() == 1 ? view.NextSelected(-1) : -1;
    list.up->Enable(row > 0);
    list.down->Enable(row >= 0 && row != view.Count() - 1);
}

void CConfigDlg::DeselectAll(IListView& list) {
    for (int row = list.NextSelected(-1); row != -1; row = list.NextSelected(row)) list.SetSelected(row, false);
}

void CConfigDlg::OnListItemChanged(const UiEvent& event) {
    ItemList& list = *ListOf(event.id);
    UpdateArrowButtons(list);
    if (!list.IsRegistry() || m_bSyncingSelection) return;
    // One selection across the registry lists. Clearing another list
    // notifies again; the guard lets that pass.
    m_bSyncingSelection = true;
    for (ItemList* other : Lists())
        if (other != &list && other->IsRegistry()) DeselectAll(*other->view);
    m_bSyncingSelection = false;
}

void CConfigDlg::OnContextMenu(int controlId, int x, int y) {
    ItemList* list = ListOf(controlId);
    if (list == nullptr) return;
    ItemList* previous = m_pContextList;
    m_pContextList = list;
    const int selected = list->view->SelectedCount();
    const std::vector<MenuState> states{
        {IdPopupExplore, true},
        {IdPopupRefresh, true},
        {IdPopupProperties, selected == 1},
        {IdPopupDelete, selected > 0},
    };
    // A menu that could not be loaded leaves everything as it was.
    if (!Window().TrackPopupMenu(ConfigPopupMenu(), states, x, y)) m_pContextList = previous;
}
