// The four lists: filling them from their places.
#include <algorithm>

#include "common/ManagerInfo.h"
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"

std::string CConfigDlg::GetItemPath(int listId, int row) const {
    const ItemList* list = ListOf(listId);
    if (list == nullptr || row < 0 || row >= list->Count()) return std::string();
    return list->rows[row].path;
}

bool CConfigDlg::ReadFolder(const ItemPlace& place, std::vector<FileEntry>& files) {
    const bool read = m_platform.files.Search(place.path + "*.*", files);
    files.erase(std::remove_if(files.begin(), files.end(), [](const FileEntry& e) { return e.IsDirectory(); }),
                files.end());
    return read;
}

void CConfigDlg::Fill(ItemList& list) {
    switch (list.kind) {
    case ListKind::Manager: return FillManagerList();
    case ListKind::Folder: return FillFolderList(list);
    case ListKind::RegistryKey: return FillRegistryList(list);
    }
}

void CConfigDlg::FillFolderList(ItemList& list) {
    ListFill fill(*list.view);
    ResetRows(list);
    for (std::size_t place = 0; place < list.places.size(); ++place) {
        const std::string& folder = list.places[place].path;
        std::vector<FileEntry> files;
        // A folder that is not there is just empty; one that is there but
        // cannot be read must not pass for empty.
        FileEntry found;
        if (!ReadFolder(list.places[place], files) && m_platform.files.Lookup(folder.substr(0, folder.size() - 1), found))
            m_platform.messages.Show(list.failure + folder, win::MbIconExclamation);
        for (const FileEntry& entry : files) InsertRow(list, list.Count(), {entry.Title()}, ItemRow{entry.path, place, {}});
    }
    UpdateArrowButtons(list);
}

// The managed items in the order of their lines in the manager information
// file, the order the user gave them on any file system.
void CConfigDlg::FillManagerList() {
    ItemList& list = m_listManager;
    ListFill fill(*list.view);
    ResetRows(list);
    std::vector<FileEntry> files;
    m_bManagerUnread = !ReadFolder(list.Home(), files);
    if (m_bManagerUnread)
        m_platform.messages.Show("The manager directory could not be read:\n" + m_strManagerDir + "\n\n" +
                                     "Its items are not listed, and closing will leave Orvane.ini and the runner's "
                                     "start-up entry as they are.",
                                 win::MbIconExclamation);
    std::vector<std::string> names;
    for (const FileEntry& entry : files) names.push_back(entry.Title());
    std::vector<PairedItem> items;
    m_bManagerInfoUnread = !ReadManagerInfoFor(m_platform.files, m_platform.messages, m_strIniPath, names, items);
    for (std::size_t item : ManagerOrder(items)) {
        const ManagerLine& line = items[item].fields;
        InsertRow(list, list.Count(), {names[item], line.source, line.wait}, ItemRow{files[item].path, 0, line.extras});
    }
    UpdateArrowButtons(list);
}

void CConfigDlg::FillRegistryList(ItemList& list) {
    ListFill fill(*list.view);
    ResetRows(list);
    for (std::size_t place = 0; place < list.places.size(); ++place) {
        const ItemPlace& where = list.places[place];
        std::unique_ptr<IRegistryKey> key = m_platform.registry.Create(where.root, where.path);
        if (!key) {
            m_platform.messages.Show(list.failure, win::MbOk);
            continue;
        }
        // Names and data are read whole, however long: a long command line is
        // listed as it is rather than cut or dropped.
        RegistryValue value;
        for (uint32_t index = 0;; ++index) {
            const RegistryEnum found = key->Enumerate(index, value);
            if (found == RegistryEnum::NoMoreItems) break;
            // Any other error stays at every later index too: the list would never end.
            if (found == RegistryEnum::Failed) {
                m_platform.messages.Show(list.failure, win::MbOk);
                break;
            }
            if (value.type != win::RegSz) continue;
            if (list.hidesRunner && UpperCopy(value.name).find("ORVANE") != std::string::npos) continue;
            InsertRow(list, list.Count(), {value.name}, ItemRow{value.Text(), place, {}});
        }
    }
}
