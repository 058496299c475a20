// Rebuilding the lists from their places: by command, by F5 and by the
// polling that follows the New Shortcut wizard.
#include "config/ConfigDlg.h"

void CConfigDlg::RefreshAll() {
    FillManagerList();
    FillStartupList();
    FillRunList();
    FillRunServicesList();
}

void CConfigDlg::RefreshContextList() {
    if (m_pContextList == m_listManager) FillManagerList();
    else if (m_pContextList == m_listStartup) FillStartupList();
    else if (m_pContextList == m_listRun) FillRunList();
    else if (m_pContextList == m_listRunServices) FillRunServicesList();
}

void CConfigDlg::PreTranslateKeyDown(int virtualKey) {
    if (virtualKey == win::VkF5) RefreshAll();
}

bool CConfigDlg::ManagerDirChanged() {
    int files = 0;
    for (const FileEntry& entry : m_platform.files.Find(m_strManagerDir + "*.*"))
        if (!entry.IsDirectory()) ++files;
    return files != m_listManager->Count();
}

void CConfigDlg::OnTimer(unsigned timerId) {
    if (timerId == m_nRefreshTimer && ManagerDirChanged()) {
        FillManagerList();
        Window().KillTimer(m_nRefreshTimer);
    }
}
