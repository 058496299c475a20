// The four lists: filling them from their places.
#include "common/ManagerInfo.h"
#include "common/PlaceEntries.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"
#include "common/FolderFiles.h"
#include "config/WaitColumn.h"

#include <unordered_map>

std::string CConfigDlg::GetItemPath(int listId, int row) const {
    const ItemList* list = ListOf(listId);
    if (list == nullptr || row < 0 || row >= list->Count()) return std::string();
    return list->rows[row].path;
}

std::size_t CConfigDlg::PlaceCount(int listId) const {
    const ItemList* list = ListOf(listId);
    return list == nullptr ? 0 : list->places.size();
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
    const std::unordered_map<std::string, std::size_t> titles = ManagedTitles();
    for (std::size_t place = 0; place < list.places.size(); ++place) {
        const std::string& folder = list.places[place].path;
        std::vector<FileEntry> files;
        if (!ReadFolderIfThere(m_platform.files, folder, files)) {
            m_platform.messages.Show(list.failure + folder, win::MbIconExclamation);
            list.unread.push_back(place);
        }
        for (const FileEntry& entry : files) {
            ItemRow row{entry.path, place, {}, false};
            NoteRow(list, row, entry.name, titles);
            InsertRow(list, list.Count(), {entry.Title()}, row);
        }
    }
    LabelRows(list);
    FitColumns(list);
    UpdateArrowButtons(list);
}

// The managed items in the order of their lines in the manager information
// file, the order the user gave them on any file system. A refill keeps what
// is not saved yet: rows whose files are still there keep their texts and
// places, new files join at the end, and rows of vanished files leave.
void CConfigDlg::FillManagerList() {
    ItemList& list = m_listManager;
    ListFill fill(*list.view);
    std::vector<std::pair<std::vector<std::string>, ItemRow>> shown;
    for (int row = 0; row < list.Count(); ++row) shown.push_back({RowTexts(list, row), list.rows[row]});
    ResetRows(list);
    std::vector<FileEntry> files;
    m_bManagerUnread = !ReadFolder(m_platform.files, list.Home().path, files);
    if (m_bManagerUnread)
        m_platform.messages.Show("The manager directory could not be read:\n" + m_strManagerDir + "\n\n" +
                                     "Its items are not listed, and closing will leave Orvane.ini and the runner's "
                                     "start-up entry as they are.",
                                 win::MbIconExclamation);
    const ItemNames names = NamesOf(files);
    std::unordered_map<std::string, std::size_t> fileOf;  // by upper-case path
    for (std::size_t file = 0; file < files.size(); ++file) fileOf.emplace(UpperCopy(files[file].path), file);
    std::vector<PairedItem> items;
    m_bManagerInfoUnread =
        !ReadManagerInfoFor(m_platform.files, m_platform.messages, m_strIniPath, names.titles, items, names.files);
    std::vector<bool> listed(files.size(), false);
    for (auto& [texts, row] : shown) {
        const auto found = fileOf.find(UpperCopy(row.path));
        if (found == fileOf.end() || listed[found->second]) continue;
        listed[found->second] = true;
        row.path = files[found->second].path;
        InsertRow(list, list.Count(), texts, row);
    }
    for (std::size_t item : ManagerOrder(items)) {
        if (listed[item]) continue;
        const ManagerLine& line = items[item].fields;
        InsertRow(list, list.Count(), {names.titles[item], line.source, WaitColumnText(line.wait, HasExtraField(line, IdleField))},
                  ItemRow{files[item].path, 0, line.extras, false});
    }
    LabelRows(list);
    UpdateArrowButtons(list);
}

void CConfigDlg::FillRegistryList(ItemList& list) {
    ListFill fill(*list.view);
    ResetRows(list);
    // The list says once that it is not whole, however many of its keys failed.
    bool told = false;
    const std::unordered_map<std::string, std::size_t> titles = ManagedTitles();
    std::size_t place = 0;
    const auto tell = [&] {
        if (!told) m_platform.messages.Show(list.failure, win::MbOk);
        told = true;
        list.unread.push_back(place);
    };
    for (; place < list.places.size(); ++place) {
        const ItemPlace& where = list.places[place];
        // Read access is all a listing needs, and all a user without
        // administrator rights gets to the machine's keys; a missing key is
        // made, as it always was.
        std::unique_ptr<IRegistryKey> key = m_platform.registry.Open(where.root, where.path, RegistryAccess::Read);
        if (!key) key = m_platform.registry.Create(where.root, where.path);
        if (!key) {
            tell();
            continue;
        }
        // Names and data are read whole, however long: a long command line is
        // listed as it is rather than cut or dropped.
        std::vector<PlaceEntry> values;
        if (!ReadStartValues(*key, where, values)) tell();
        for (const PlaceEntry& value : values) {
            ItemRow row{value.command, place, {}, false};
            NoteRow(list, row, value.name, titles);
            InsertRow(list, list.Count(), {value.name}, row);
        }
    }
    FitColumns(list);
}
