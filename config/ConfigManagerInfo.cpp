// The manager list's Source and Wait columns, read from and saved to the
// manager information file.
#include "common/ManagerInfo.h"
#include "config/ConfigDlg.h"

void CConfigDlg::ReadManagerInfo() {
    IListView& list = *m_listManager.view;
    std::vector<std::string> names;
    for (int row = 0; row < list.Count(); ++row) names.push_back(list.ItemText(row, 0));
    std::vector<ManagerLine> values;
    if (!ReadManagerInfoFor(m_platform.files, m_platform.messages, m_strIniPath, names, values)) return;
    for (int row = 0; row < list.Count() && row < static_cast<int>(values.size()); ++row) {
        list.SetItemText(row, 1, values[row].source);
        list.SetItemText(row, 2, values[row].wait);
    }
}

void CConfigDlg::WriteManagerInfo() {
    const IListView& list = *m_listManager.view;
    std::vector<ManagerLine> rows;
    for (int row = 0; row < list.Count(); ++row)
        rows.push_back({list.ItemText(row, 0), list.ItemText(row, 1), list.ItemText(row, 2)});
    ::WriteManagerInfo(m_platform.files, m_platform.messages, m_strIniPath, rows);
}
