// Rebuilding the lists from their places: by command, by F5 and by the
// polling that follows the New Shortcut wizard.
#include "config/ConfigDlg.h"
#include "common/FolderFiles.h"

void CConfigDlg::RefreshAll() {
    for (ItemList* list : Lists()) Fill(*list);
}

void CConfigDlg::RefreshContextList() {
    if (m_pContextList != nullptr) Fill(*m_pContextList);
}

void CConfigDlg::PreTranslateKeyDown(int virtualKey) {
    if (virtualKey == win::VkF5) RefreshAll();
    // F1: the framework's Help command, which ends in the help routine.
    if (virtualKey == win::VkF1) WinHelp();
}

bool CConfigDlg::ManagerDirChanged() {
    std::vector<FileEntry> files;
    ReadFolder(m_platform.files, m_listManager.Home().path, files);
    return static_cast<int>(files.size()) != m_listManager.view->Count();
}

// Not under an open question; the refill keeps what is not saved yet.
void CConfigDlg::OnTimer(unsigned timerId) {
    if (timerId != m_nRefreshTimer || m_nModalOpen > 0) return;
    if (ManagerDirChanged()) {
        FillManagerList();
        Window().KillTimer(m_nRefreshTimer);
    }
}
