// The notes of the Windows lists' rows: entries that appeared since the user
// last saved the configuration, and entries of managed programs that put
// themselves back, with the way to take such an item in again.
#include "common/ComScope.h"
#include "common/PathHelpers.h"
#include "common/PlaceEntries.h"
#include "common/Shortcuts.h"
#include "common/TextHelpers.h"
#include "config/ItemLists.h"
#include "config/transfer/FileTransfer.h"
#include "config/transfer/RegistryTransfer.h"

void ItemLists::LoadSeenRecord() {
    std::vector<SeenEntry> record;
    const SeenFile state = ReadSeenRecord(m_platform.files, SeenRecordPath(m_paths.iniPath), record);
    m_seen = SeenIndex(record, state == SeenFile::Read);
}

std::unordered_map<std::string, std::size_t> ItemLists::ManagedTitles() const {
    std::unordered_map<std::string, std::size_t> titles;
    for (const ItemRow& row : manager.rows) ++titles[UpperCopy(row.name)];
    return titles;
}

// Only an item of the same title is compared: a program that puts itself
// back does so under its old name, and a shortcut costs a load to compare.
// The managed item's path, or empty.
std::string ItemLists::ManagedTwin(const ItemList& list, const ItemRow& row) {
    // Each start of COM costs more than the whole row otherwise.
    if (!list.IsRegistry() && !IsShortcutFile(row.path)) return std::string();
    IShellLinks& links = m_platform.links;
    const ComScope com(links);
    if (!com.Started()) return std::string();
    std::string twin;
    const std::string command = list.IsRegistry() ? CommandKey(row.command) : ShortcutCommandKey(links, row.path);
    for (const ItemRow& managed : manager.rows)
        if (twin.empty() && !command.empty() && UpperCopy(managed.name) == UpperCopy(row.name) &&
            ShortcutCommandKey(links, managed.path) == command)
            twin = managed.path;
    return twin;
}

void ItemLists::NoteRow(const ItemList& list, ItemRow& row,
                        const std::unordered_map<std::string, std::size_t>& managedTitles) {
    if (managedTitles.count(UpperCopy(row.name)) != 0) row.twin = ManagedTwin(list, row);
    if (!row.twin.empty())
        row.note = RowNote::AlsoManaged;
    else if (m_seen.IsNew(list.places[row.place].sourceTag, row.EntryName()))
        row.note = RowNote::New;
}

// The managed item stays as it is; the entry Windows would start it from
// goes, and the item's Source names the place it came back to, where
// Restore puts it. The twin was found when the list was filled: the rows
// may have moved since, not the files.
ItemLists::TakeIn ItemLists::TakeInAgain(ItemList& from, int row) {
    const std::string& twin = from.rows[row].twin;
    int managed = manager.Count() - 1;
    while (managed >= 0 && (twin.empty() || manager.rows[managed].path != twin)) --managed;
    if (managed < 0) return TakeIn::NotATwin;
    const ItemPlace& place = from.PlaceOf(row);
    const std::string title = from.rows[row].name;
    if (!m_questions.AskTakeInAgain(title, place)) {
        from.view->SetSelected(row, false);
        return TakeIn::Passed;
    }
    const bool removed = from.IsRegistry() ? DeleteRegistryItem(m_platform, place, title)
                                           : DeleteItemFile(m_platform.files, m_platform.messages, from.rows[row].path, place.machine);
    if (!removed) return TakeIn::Stop;
    CarryState(m_platform, place, from.rows[row].EntryName(), ApprovedWrite::Clear);
    manager.rows[managed].source = place.sourceTag;
    UpdateRow(manager, managed);
    DeleteRow(from, row);
    LabelRows(from);
    m_modified = true;
    return TakeIn::Passed;
}

// A program that has put itself back since the last save is offered for
// taking in again once; later its row's mark and an add do it.
void ItemLists::OfferToTakeInAgain() {
    for (ItemList* list : {&startup, &run, &runServices})
        for (int row = list->Count() - 1; row >= 0; --row)
            if (m_seen.IsNew(list->PlaceOf(row).sourceTag, list->rows[row].EntryName()) &&
                TakeInAgain(*list, row) == TakeIn::Stop)
                return;
}

// Every entry the lists show is seen now: the record is what they show.
// An entry that appeared while the dialog was open, and so is not shown,
// stays out of it, and the runner names it at its next start. A place the
// lists could not read, or did not find, keeps what the record had for it.
void ItemLists::NoteSeenPlaces() {
    const std::string path = SeenRecordPath(m_paths.iniPath);
    std::vector<SeenEntry> before, seen;
    std::vector<std::string> listed;
    ReadSeenRecord(m_platform.files, path, before);
    for (const ItemList* list : {&startup, &run, &runServices}) {
        for (const ItemPlace& place : list->places) listed.push_back(place.sourceTag);
        for (const ItemRow& row : list->rows) seen.push_back(SeenEntry{list->places[row.place].sourceTag, row.EntryName(), false});
        for (std::size_t place : list->unread)
            for (const SeenEntry& entry : before)
                if (entry.source == list->places[place].sourceTag) seen.push_back(entry);
    }
    KeepOtherPlaces(before, listed, seen);
    if (WriteSeenRecord(m_platform.files, path, seen)) return;
    m_platform.messages.Show("Error writing " + path + "\nThe runner will name the entries listed here as new again.",
                             win::MbIconExclamation);
}
