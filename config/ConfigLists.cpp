// The four lists and their paired lists: filling them from their places, and
// the row operations that keep each row and its path together.
#include <algorithm>

#include "common/ManagerInfo.h"
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"

std::string CConfigDlg::GetItemPath(int listId, int row) const {
    const ItemList* list = ListOf(listId);
    if (list == nullptr || row < 0 || row >= static_cast<int>(list->paths.size())) return std::string();
    return list->paths[row];
}

int CConfigDlg::InsertRow(ItemList& list, int index, const std::string& name, const std::string& path,
                          const std::optional<std::string>& source, const std::optional<std::string>& wait) {
    const int row = list.view->InsertItem(index, name);
    if (row < 0) return row;
    if (source) list.view->SetItemText(row, 1, *source);
    if (wait) list.view->SetItemText(row, 2, *wait);
    list.paths.insert(list.paths.begin() + row, path);
    return row;
}

void CConfigDlg::DeleteRow(ItemList& list, int row) {
    if (!list.view->DeleteItem(row)) return;
    list.paths.erase(list.paths.begin() + row);
}

void CConfigDlg::DeleteRowsOf(ItemList& list, const std::string& pathOrName) {
    // Registry rows are known by their value's name, folder rows by their file.
    const std::string wanted = UpperCopy(pathOrName);
    for (int row = list.view->Count() - 1; row >= 0; --row) {
        const std::string key = list.registry ? list.view->ItemText(row, 0) : list.paths[row];
        if (UpperCopy(key) == wanted) DeleteRow(list, row);
    }
}

bool CConfigDlg::ReadFolder(const ItemList& list, std::vector<FileEntry>& files) {
    const bool read = m_platform.files.Search(list.place + "*.*", files);
    files.erase(std::remove_if(files.begin(), files.end(), [](const FileEntry& e) { return e.IsDirectory(); }),
                files.end());
    return read;
}

void CConfigDlg::FillFolderList(ItemList& list, const std::string& failure) {
    ListFill fill(*list.view);
    list.view->DeleteAllItems();
    list.paths.clear();
    std::vector<FileEntry> files;
    // A folder that is not there is just empty; one that is there but
    // cannot be read must not pass for empty.
    FileEntry folder;
    if (!ReadFolder(list, files) && m_platform.files.Lookup(list.place.substr(0, list.place.size() - 1), folder))
        m_platform.messages.Show(failure + list.place, win::MbIconExclamation);
    for (const FileEntry& entry : files) InsertRow(list, list.view->Count(), entry.Title(), entry.path);
    UpdateArrowButtons(list);
}

// The managed items in the order of their lines in the manager information
// file, the order the user gave them on any file system.
void CConfigDlg::FillManagerList() {
    ItemList& list = m_listManager;
    ListFill fill(*list.view);
    list.view->DeleteAllItems();
    list.paths.clear();
    std::vector<FileEntry> files;
    m_bManagerUnread = !ReadFolder(list, files);
    if (m_bManagerUnread)
        m_platform.messages.Show("The manager directory could not be read:\n" + m_strManagerDir + "\n\n" +
                                     "Its items are not listed, and closing will leave Orvane.ini and the runner's "
                                     "start-up entry as they are.",
                                 win::MbIconExclamation);
    std::vector<std::string> names;
    for (const FileEntry& entry : files) names.push_back(entry.Title());
    std::vector<PairedItem> items;
    m_bManagerInfoUnread = !ReadManagerInfoFor(m_platform.files, m_platform.messages, m_strIniPath, names, items);
    for (std::size_t item : ManagerOrder(items))
        InsertRow(list, list.view->Count(), names[item], files[item].path, items[item].fields.source,
                  items[item].fields.wait);
    UpdateArrowButtons(list);
}

void CConfigDlg::FillStartupList() {
    FillFolderList(m_listStartup, "The Windows Startup folder could not be read:\n");
}

void CConfigDlg::FillRegistryList(ItemList& list, const std::string& failure, bool skipRunner) {
    ListFill fill(*list.view);
    list.view->DeleteAllItems();
    list.paths.clear();
    std::unique_ptr<IRegistryKey> key = m_platform.registry.Create(RegistryRoot::LocalMachine, list.place);
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
        InsertRow(list, list.view->Count(), value.name, value.Text());
    }
}

void CConfigDlg::FillRunList() {
    FillRegistryList(m_listRun, "Error reading \"Registry Run\" Values.", true);
}

void CConfigDlg::FillRunServicesList() {
    FillRegistryList(m_listRunServices, "Error reading \"Registry RunServices\" Values.", false);
}
