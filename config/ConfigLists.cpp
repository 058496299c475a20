// The four lists and their paired lists: filling them from their places.
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"

std::vector<std::string>* CConfigDlg::GetPathList(IListView* list) {
    if (list == nullptr) return nullptr;
    if (list == m_listManager) return &m_managerPaths;
    if (list == m_listStartup) return &m_startupPaths;
    if (list == m_listRun) return &m_runCommands;
    if (list == m_listRunServices) return &m_runServicesCommands;
    return nullptr;
}

std::string CConfigDlg::GetItemPath(IListView* list, int row) {
    const std::vector<std::string>* paths = GetPathList(list);
    if (paths == nullptr || row < 0 || row >= static_cast<int>(paths->size())) return std::string();
    return (*paths)[row];
}

int CConfigDlg::InsertRow(IListView& list, int index, const std::string& name, const std::optional<std::string>& source,
                          const std::optional<std::string>& wait) {
    const int row = list.InsertItem(index, name);
    if (row < 0) return row;
    if (source) list.SetItemText(row, 1, *source);
    if (wait) list.SetItemText(row, 2, *wait);
    return row;
}

void CConfigDlg::FillFolderList(IListView& list, std::vector<std::string>& paths, const std::string& folder) {
    ListFill fill(list);
    list.DeleteAllItems();
    paths.clear();
    for (const FileEntry& entry : m_platform.files.Find(folder + "*.*")) {
        if (entry.IsDirectory()) continue;
        // A row that could not be inserted gets no path, so rows and paths stay paired.
        if (InsertRow(list, list.Count(), entry.Title()) >= 0) paths.push_back(entry.path);
    }
}

void CConfigDlg::FillManagerList() {
    FillFolderList(*m_listManager, m_managerPaths, m_strManagerDir);
    ReadManagerInfo();
}

void CConfigDlg::FillStartupList() {
    FillFolderList(*m_listStartup, m_startupPaths, m_strStartupFolder);
}

void CConfigDlg::FillRegistryList(IListView& list, std::vector<std::string>& commands, const std::string& keyPath,
                                  const std::string& failure, bool skipRunner) {
    ListFill fill(list);
    list.DeleteAllItems();
    commands.clear();
    std::unique_ptr<IRegistryKey> key = m_platform.registry.Create(RegistryRoot::LocalMachine, keyPath);
    if (!key) {
        m_platform.messages.Show(failure, win::MbOk);
        return;
    }
    // Names and data are read whole, however long: a long command line is
    // listed as it is rather than cut or dropped.
    RegistryValue value;
    for (uint32_t index = 0;; ++index) {
        const RegistryEnum found = key->Enumerate(index, value);
        if (found == RegistryEnum::NoMoreItems) break;
        // Any other error stays at every later index too: the list would never end.
        if (found == RegistryEnum::Failed) {
            m_platform.messages.Show(failure, win::MbOk);
            break;
        }
        if (value.type != win::RegSz) continue;
        if (skipRunner && UpperCopy(value.name).find("ORVANE") != std::string::npos) continue;
        if (InsertRow(list, static_cast<int>(index), value.name) >= 0) commands.push_back(value.Text());
    }
}

void CConfigDlg::FillRunList() {
    FillRegistryList(*m_listRun, m_runCommands, m_strRunKey, "Error reading \"Registry Run\" Values.", true);
}

void CConfigDlg::FillRunServicesList() {
    FillRegistryList(*m_listRunServices, m_runServicesCommands, m_strRunServicesKey,
                     "Error reading \"Registry RunServices\" Values.", false);
}
