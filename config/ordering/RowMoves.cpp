// Up and Down in the manager and Windows Startup lists: one row, one place,
// its texts and its record together; the save then rewrites the folders
// whose order changed.
#include "config/ConfigDlg.h"
#include "config/ordering/Reorder.h"

void CConfigDlg::OnManagerUp() { MoveSelectedRow(m_listManager, -1); }

void CConfigDlg::OnManagerDown() { MoveSelectedRow(m_listManager, 1); }

void CConfigDlg::OnStartupUp() { MoveSelectedRow(m_listStartup, -1); }

void CConfigDlg::OnStartupDown() { MoveSelectedRow(m_listStartup, 1); }

void CConfigDlg::MoveSelectedRow(ItemList& list, int by) {
    IListView& view = *list.view;
    if (list.arrowsAlwaysReorder) list.orderChanged = true;
    if (view.SelectedCount() != 1) return;
    m_bModified = true;
    const int row = view.NextSelected(-1);
    const int to = row + by;
    if (row < 0 || to < 0 || to >= view.Count() || !MoveRow(list, row, to)) return;
    list.orderChanged = true;
    view.SetSelected(to, true);
    view.SetFocused(to);
    view.EnsureVisible(to);
    // The arrow clicked took the focus and may now be disabled, which leaves
    // the keyboard nowhere: it goes on from the list.
    view.Focus();
}

void CConfigDlg::ReorderFiles() {
    // The manager's order is its lines' order; Windows reads the Startup
    // folder in the file system's own order, so only there can the user's
    // order be lost.
    std::vector<ReorderJob> jobs;
    for (ItemList* list : Lists()) {
        if (!list->orderChanged) continue;
        ReorderJob job{{}, list->Home().path, list->reportsNameOrder};
        for (const ItemRow& row : list->rows)
            if (row.place == 0) job.paths.push_back(row.path);
        jobs.push_back(job);
    }
    ReorderDirectories(m_platform.files, m_platform.messages, RocPaths{m_strRocDir, m_strRocRecord}, jobs);
}
