// Up and Down in the manager and Windows Startup lists: one row, one place,
// its texts and its path together.
#include "config/ConfigDlg.h"

void CConfigDlg::OnManagerUp() {
    if (MoveRowUp(m_listManager)) m_bManagerOrderChanged = true;
}

void CConfigDlg::OnManagerDown() {
    if (MoveRowDown(m_listManager)) m_bManagerOrderChanged = true;
}

void CConfigDlg::OnStartupUp() {
    MoveRowUp(m_listStartup);
    m_bStartupOrderChanged = true;
}

void CConfigDlg::OnStartupDown() {
    MoveRowDown(m_listStartup);
    m_bStartupOrderChanged = true;
}

bool CConfigDlg::MoveRowUp(ItemList& list) {
    if (list.view->SelectedCount() != 1) return false;
    m_bModified = true;
    const int row = list.view->NextSelected(-1);
    return row > 0 && MoveRow(list, row, row - 1);
}

bool CConfigDlg::MoveRowDown(ItemList& list) {
    if (list.view->SelectedCount() != 1) return false;
    m_bModified = true;
    const int row = list.view->NextSelected(-1);
    return row >= 0 && row < list.view->Count() - 1 && MoveRow(list, row, row + 1);
}

// The copy goes in before the original comes out, so that a failed insertion
// leaves the row, and its pairing with its path, as they were.
bool CConfigDlg::MoveRow(ItemList& list, int from, int to) {
    IListView& view = *list.view;
    std::vector<std::string> texts;
    for (int column = 0; column < list.columns; ++column) texts.push_back(view.ItemText(from, column));
    const int insertAt = to < from ? to : to + 1;
    const std::optional<std::string> source = list.columns > 1 ? std::optional<std::string>(texts[1]) : std::nullopt;
    const std::optional<std::string> wait = list.columns > 2 ? std::optional<std::string>(texts[2]) : std::nullopt;
    if (InsertRow(list, insertAt, texts[0], list.paths[from], source, wait) < 0) return false;
    DeleteRow(list, to < from ? from + 1 : from);

    view.SetSelected(to, true);
    view.SetFocused(to);
    view.EnsureVisible(to);
    // The arrow clicked took the focus and may now be disabled, which leaves
    // the keyboard nowhere: it goes on from the list.
    view.Focus();
    return true;
}
