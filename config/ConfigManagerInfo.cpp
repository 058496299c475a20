// The manager list's Source and Wait columns, saved to the manager
// information file.
#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "config/ConfigDlg.h"
#include "config/WaitColumn.h"

void CConfigDlg::WriteManagerInfo() {
    // Rewritten from a list that does not hold what the file described, it
    // would lose every source and wait.
    if (m_bManagerUnread) return;
    if (m_bManagerInfoUnread) {
        m_platform.messages.Show(m_strIniPath + "\nManager information could not be read, so it was not saved.  " +
                                     "The file is left as it was.",
                                 win::MbIconExclamation);
        return;
    }
    const IListView& list = *m_listManager.view;
    std::vector<ManagerLine> rows;
    for (int row = 0; row < list.Count(); ++row) {
        const ItemRow& record = m_listManager.rows[row];
        rows.push_back({RowTitle(m_listManager, row), list.ItemText(row, 1), "", record.extras});
        rows.back().wait = WaitOfColumn(list.ItemText(row, 2), HasExtraField(rows.back(), IdleField));
        // A title alone would pair the line with any item of that title.
        SetFileField(rows.back(), record.byFileName ? FileNameOf(record.path) : std::string());
    }
    ::WriteManagerInfo(m_platform.files, m_platform.messages, m_strIniPath, rows);
}
