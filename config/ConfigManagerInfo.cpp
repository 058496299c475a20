// The manager list's Source and Wait columns, read from and saved to the
// manager information file.
#include "common/ManagerInfo.h"
#include "config/ConfigDlg.h"

void CConfigDlg::ReadManagerInfo() {
    ListFill fill(*m_listManager);
    std::vector<std::string> names;
    for (int row = 0; row < m_listManager->Count(); ++row) names.push_back(m_listManager->ItemText(row, 0));
    std::vector<ManagerLine> values;
    if (!ReadManagerInfoFor(m_platform.files, m_platform.messages, m_strIniPath, names, values)) return;
    for (int row = 0; row < m_listManager->Count() && row < static_cast<int>(values.size()); ++row) {
        m_listManager->SetItemText(row, 1, values[row].source);
        m_listManager->SetItemText(row, 2, values[row].wait);
    }
}

void CConfigDlg::WriteManagerInfo() {
    std::vector<ManagerLine> rows;
    for (int row = 0; row < m_listManager->Count(); ++row)
        rows.push_back({m_listManager->ItemText(row, 0), m_listManager->ItemText(row, 1), m_listManager->ItemText(row, 2)});
    ::WriteManagerInfo(m_platform.files, m_platform.messages, m_strIniPath, rows);
}
