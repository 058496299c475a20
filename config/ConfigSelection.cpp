// What the selection of a list enables: the arrows, the one selection across
// the two registry lists, and the context menu.
#include "config/ConfigDialogTemplate.h"
#include "config/ConfigDlg.h"
#include "config/ConfigResources.h"

using namespace config;

void CConfigDlg::UpdateArrowButtons(IListView& list, IButton& up, IButton& down) {
    if (list.SelectedCount() != 1) {
        up.Enable(false);
        down.Enable(false);
        return;
    }
    const int row = list.NextSelected(-1);
    up.Enable(row != 0);
    down.Enable(row != list.Count() - 1);
}

void CConfigDlg::DeselectAll(IListView& list) {
    for (int row = list.NextSelected(-1); row != -1; row = list.NextSelected(row)) list.SetSelected(row, false);
}

void CConfigDlg::OnListItemChanged(int listId) {
    switch (listId) {
    case IdcManagerList: UpdateArrowButtons(*m_listManager, *m_btnManagerUp, *m_btnManagerDown); break;
    case IdcStartupList: UpdateArrowButtons(*m_listStartup, *m_btnStartupUp, *m_btnStartupDown); break;
    case IdcRunList:
    case IdcRunServicesList:
        // Clearing the other list notifies again; the guard lets that pass.
        if (!m_bSyncingSelection) {
            m_bSyncingSelection = true;
            DeselectAll(listId == IdcRunList ? *m_listRunServices : *m_listRun);
            m_bSyncingSelection = false;
        }
        break;
    default: break;
    }
}

void CConfigDlg::OnContextMenu(int controlId, int x, int y) {
    IListView* list = ListById(controlId);
    if (list == nullptr) return;
    IListView* previous = m_pContextList;
    m_pContextList = list;
    const int selected = list->SelectedCount();
    const std::vector<MenuState> states{
        {IdPopupExplore, true},
        {IdPopupRefresh, true},
        {IdPopupProperties, selected == 1},
        {IdPopupDelete, selected > 0},
    };
    // A menu that could not be loaded leaves everything as it was.
    if (!Window().TrackPopupMenu(ConfigPopupMenu(), states, x, y)) m_pContextList = previous;
}
