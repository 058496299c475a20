// The model's lists: their places, and filling them from there.
#include "config/ItemLists.h"

#include <memory>

#include "common/FolderFiles.h"
#include "common/ManagedItems.h"
#include "common/StartupLog.h"
#include "common/ManagerInfo.h"
#include "common/PlaceEntries.h"
#include "common/StartPlaces.h"
#include "common/StartupApproved.h"
#include "common/TextHelpers.h"
#include "config/transfer/RegistryTransfer.h"

ItemLists::ItemLists(Platform& platform, ItemQuestions& questions) : m_platform(platform), m_questions(questions) {}

void ItemLists::SetUp(const ConfigPaths& paths, const std::string& startupFolder) {
    m_paths = paths;
    manager.kind = ListKind::Manager;
    manager.places = {ItemPlace::Folder(paths.managerDir)};
    const StartPlaces start = WindowsStartPlaces(m_platform.registry, m_platform.files, startupFolder);
    startup.kind = ListKind::Folder;
    startup.places = {start.startup};
    for (const ItemPlace& place : start.moreStartup) startup.places.push_back(place);
    startup.failure = "The Windows Startup folder could not be read:\n";
    startup.reportsNameOrder = true;
    startup.arrowsAlwaysReorder = true;
    run.kind = ListKind::RegistryKey;
    run.places = {start.run};
    for (const ItemPlace& place : start.moreRun) run.places.push_back(place);
    run.failure = "Error reading \"Registry Run\" Values.";
    runServices.kind = ListKind::RegistryKey;
    runServices.places = {start.runServices};
    runServices.failure = "Error reading \"Registry RunServices\" Values.";
}

void ItemLists::FillAll() {
    LoadSeenRecord();
    for (ItemList* list : Lists()) Fill(*list);
}

std::vector<ItemList*> ItemLists::Lists() { return {&manager, &startup, &run, &runServices}; }

ItemList* ItemLists::ListOf(int listId) {
    return const_cast<ItemList*>(static_cast<const ItemLists*>(this)->ListOf(listId));
}

const ItemList* ItemLists::ListOf(int listId) const {
    for (const ItemList* list : {&manager, &startup, &run, &runServices})
        if (list->id == listId) return list;
    return nullptr;
}

ItemList* ItemLists::ListForSource(const std::string& source, std::size_t& place) {
    if (source.empty()) return nullptr;
    for (ItemList* list : Lists())
        for (place = 0; place < list->places.size(); ++place)
            if (list->places[place].sourceTag == source) return list;
    return nullptr;
}

void ItemLists::HandOver(ItemList& from, int fromRow, ItemList& to, ItemRow row, int index) {
    DeleteRowsOf(to, row.place, row.path.empty() ? row.name : row.path);
    InsertRow(to, index, std::move(row));
    DeleteRow(from, fromRow);
    LabelRows(to);
    LabelRows(from);
}

void ItemLists::RefillAll() {
    for (ItemList* list : Lists()) Fill(*list);
}

void ItemLists::Fill(ItemList& list) {
    ListFill fill(*list.view);
    switch (list.kind) {
    case ListKind::Manager: FillManager(); break;
    case ListKind::Folder: FillFolder(list); break;
    case ListKind::RegistryKey: FillRegistry(list); break;
    }
    FitColumns(list);
    UpdateArrows(list);
}

bool ItemLists::ManagerDirChanged() const {
    std::vector<FileEntry> files;
    ReadFolder(m_platform.files, manager.Home().path, files);
    return files.size() != manager.rows.size();
}

// Said once a fill, however many places failed: the rows show as on.
ApprovedStates ItemLists::StatesOf(const ItemPlace& place, bool& told) {
    ApprovedStates states;
    if (!ReadApproved(m_platform.registry, place, states) && !told) {
        told = true;
        m_platform.messages.Show("Whether Windows starts these items, on or off, could not be read:\n" + ApprovedKeyText(place) +
                                     "\n\nThey are shown as on.",
                                 win::MbIconExclamation);
    }
    return states;
}

void ItemLists::FillFolder(ItemList& list) {
    ResetRows(list);
    const std::unordered_map<std::string, std::size_t> titles = ManagedTitles();
    bool told = false;
    for (std::size_t place = 0; place < list.places.size(); ++place) {
        const ApprovedStates states = StatesOf(list.places[place], told);
        const std::string& folder = list.places[place].path;
        std::vector<FileEntry> files;
        if (!ReadFolderIfThere(m_platform.files, folder, files)) {
            m_platform.messages.Show(list.failure + folder, win::MbIconExclamation);
            list.unread.push_back(place);
        }
        for (const FileEntry& entry : files) {
            ItemRow row = ItemRow::File(entry.path, place);
            row.SetOff(states.Off(entry.name));
            NoteRow(list, row, titles);
            InsertRow(list, -1, std::move(row));
        }
    }
    LabelRows(list);
}

// The managed items in the order of their lines in the manager information
// file, the order the user gave them on any file system. A refill keeps what
// is not saved yet: rows whose files are still there keep their records,
// new files join at the end, and rows of vanished files leave.
void ItemLists::FillManager() {
    ItemList& list = manager;
    std::vector<ItemRow> shown = std::move(list.rows);
    ResetRows(list);
    std::vector<FileEntry> files;
    m_managerUnread = !ReadFolder(m_platform.files, list.Home().path, files);
    if (m_managerUnread)
        m_platform.messages.Show("The manager directory could not be read:\n" + m_paths.managerDir + "\n\n" +
                                     "Its items are not listed, and closing will leave Orvane.ini and the runner's "
                                     "start-up entry as they are.",
                                 win::MbIconExclamation);
    std::vector<ManagedItem> items;
    m_managerInfoUnread = !ReadManagedItems(m_platform.files, files, m_paths.iniPath, items, &m_platform.messages);
    std::unordered_map<std::string, std::size_t> itemOf;  // by upper-case path
    for (std::size_t item = 0; item < items.size(); ++item) itemOf.emplace(UpperCopy(items[item].file.path), item);
    std::vector<bool> listed(items.size(), false);
    const std::vector<LoggedRun> runs = ReadStartupLog(m_platform.files, StartupLogPath(m_paths.iniPath));
    for (ItemRow& row : shown) {
        const auto found = itemOf.find(UpperCopy(row.path));
        if (found == itemOf.end() || listed[found->second]) continue;
        listed[found->second] = true;
        row.path = items[found->second].file.path;
        row.name = items[found->second].file.Title();
        row.impact = LastImpact(runs, row.name);
        InsertRow(list, -1, std::move(row));
    }
    for (std::size_t item = 0; item < items.size(); ++item) {
        if (listed[item]) continue;
        const ManagerLine& line = items[item].fields;
        ItemRow row = ItemRow::File(items[item].file.path, 0);
        row.source = line.source;
        row.wait = line.wait;
        row.extras = line.extras;
        row.impact = LastImpact(runs, row.name);
        InsertRow(list, -1, std::move(row));
    }
    LabelRows(list);
}

void ItemLists::FillRegistry(ItemList& list) {
    ResetRows(list);
    // The list says once that it is not whole, however many of its keys failed.
    bool told = false, statesTold = false;
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
        // made, as it always was. One such a user cannot make (RunServices,
        // which Windows NT never had) holds nothing; it is no failure.
        std::unique_ptr<IRegistryKey> key = m_platform.registry.Open(where.root, where.path, RegistryAccess::Read);
        if (!key) key = m_platform.registry.Create(where.root, where.path);
        if (!key && !m_platform.registry.Exists(where.root, where.path)) continue;
        if (!key) {
            tell();
            continue;
        }
        // Names and data are read whole, however long: a long command line is
        // listed as it is rather than cut or dropped.
        std::vector<PlaceEntry> values;
        if (!ReadStartValues(*key, where, values)) tell();
        const ApprovedStates states = StatesOf(where, statesTold);
        for (const PlaceEntry& value : values) {
            ItemRow row = ItemRow::Value(value.name, value.command, place);
            row.SetOff(states.Off(value.name));
            NoteRow(list, row, titles);
            InsertRow(list, -1, std::move(row));
        }
    }
}
