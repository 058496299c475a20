// Rebuilding the lists from their places: by command, by F5 and by the
// polling that follows the New Shortcut wizard.
#include "config/ConfigDlg.h"

void CConfigDlg::RefreshAll() {
    for (ItemList* list : {&m_listManager, &m_listStartup, &m_listRun, &m_listRunServices}) (this->*list->fill)();
}

void CConfigDlg::RefreshContextList() {
    if (m_pContextList != nullptr) (this->*m_pContextList->fill)();
}

void CConfigDlg::PreTranslateKeyDown(int virtualKey) {
    if (virtualKey == win::VkF5) RefreshAll();
}

bool CConfigDlg::ManagerDirChanged() {
    int files = 0;
    for (const FileEntry& entry : m_platform.files.Find(m_strManagerDir + "*.*"))
        if (!entry.IsDirectory()) ++files;
    return files != m_listManager.view->Count();
}

void CConfigDlg::OnTimer(unsigned timerId) {
    if (timerId == m_nRefreshTimer && ManagerDirChanged()) {
        FillManagerList();
        Window().KillTimer(m_nRefreshTimer);
    }
}
