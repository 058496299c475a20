// The notes of the Windows lists' rows: entries that appeared since the user
// last saved the configuration, and entries of managed programs that put
// themselves back, with the way to take such an item in again.
#include "common/PathHelpers.h"
#include "common/PlaceEntries.h"
#include "common/SeenRecord.h"
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"
#include "config/transfer/FileTransfer.h"
#include "config/transfer/RegistryTransfer.h"

void CConfigDlg::LoadSeenRecord() {
    std::vector<SeenEntry> record;
    const SeenFile state = ReadSeenRecord(m_platform.files, SeenRecordPath(m_strIniPath), record);
    m_seen = SeenIndex(record, state == SeenFile::Read);
}

std::unordered_map<std::string, std::size_t> CConfigDlg::ManagedTitles() const {
    std::unordered_map<std::string, std::size_t> titles;
    for (int row = 0; row < m_listManager.Count(); ++row) ++titles[UpperCopy(RowTitle(m_listManager, row))];
    return titles;
}

// Only an item of the same title is compared: a program that puts itself
// back does so under its old name, and a shortcut costs a load to compare.
// The managed item's path, or empty.
std::string CConfigDlg::ManagedTwin(const ItemList& list, const ItemRow& row, const std::string& title) {
    // Each start of COM costs more than the whole row otherwise.
    if (!list.IsRegistry() && !IsShortcutFile(row.path)) return std::string();
    IShellLinks& links = m_platform.links;
    if (!links.InitializeCom()) return std::string();
    std::string twin;
    const std::string command = list.IsRegistry() ? CommandKey(row.path) : ShortcutCommandKey(links, row.path);
    for (int managed = 0; twin.empty() && !command.empty() && managed < m_listManager.Count(); ++managed)
        if (UpperCopy(RowTitle(m_listManager, managed)) == UpperCopy(title) &&
            ShortcutCommandKey(links, m_listManager.rows[managed].path) == command)
            twin = m_listManager.rows[managed].path;
    links.UninitializeCom();
    return twin;
}

void CConfigDlg::NoteRow(const ItemList& list, ItemRow& row, const std::string& name,
                         const std::unordered_map<std::string, std::size_t>& managedTitles) {
    const std::string title = list.IsRegistry() ? name : TitleOf(row.path);
    if (managedTitles.count(UpperCopy(title)) != 0) row.twin = ManagedTwin(list, row, title);
    if (!row.twin.empty())
        row.note = RowNote::AlsoManaged;
    else if (m_seen.IsNew(list.places[row.place].sourceTag, name))
        row.note = RowNote::New;
}

// The managed item stays as it is; the entry Windows would start it from
// goes, and the item's Source names the place it came back to, where
// Restore puts it. The twin was found when the list was filled: the rows
// may have moved since, not the files.
bool CConfigDlg::TakesInAgain(ItemList& from, int row, bool& goOn) {
    int managed = m_listManager.Count() - 1;
    while (managed >= 0 && (from.rows[row].twin.empty() || m_listManager.rows[managed].path != from.rows[row].twin)) --managed;
    if (managed < 0) return false;
    const ItemPlace& place = from.PlaceOf(row);
    const std::string title = RowTitle(from, row);
    const int answer = m_platform.messages.Show(
        title + "\n\nOrvane starts this program already, and it has put itself back where Windows starts it too:\n" +
            PlaceText(place) + "\n\nTake it in again?  Windows will then no longer start it a second time.",
        win::MbYesNoCancel | win::MbIconQuestion);
    goOn = answer != win::IdCancel;
    if (answer == win::IdNo) from.view->SetSelected(row, false);
    if (answer != win::IdYes) return true;
    const bool removed = from.IsRegistry() ? DeleteRegistryItem(m_platform, place, title)
                                           : DeleteItemFile(m_platform.files, m_platform.messages, from.rows[row].path);
    goOn = removed;
    if (!removed) return true;
    m_listManager.view->SetItemText(managed, 1, place.sourceTag);
    DeleteRow(from, row);
    LabelRows(from);
    m_bModified = true;
    return true;
}

// A program that has put itself back since the last save is offered for
// taking in again once; later its row's mark and an add do it.
void CConfigDlg::OfferToTakeInAgain() {
    for (ItemList* list : {&m_listStartup, &m_listRun, &m_listRunServices})
        for (int row = list->Count() - 1; row >= 0; --row) {
            bool goOn = true;
            if (m_seen.IsNew(list->PlaceOf(row).sourceTag, EntryName(*list, row)) && TakesInAgain(*list, row, goOn) && !goOn)
                return;
        }
}

// Every entry the lists show is seen now: the record is what they show.
// An entry that appeared while the dialog was open, and so is not shown,
// stays out of it, and the runner names it at its next start. A place the
// lists could not read, or did not find, keeps what the record had for it.
void CConfigDlg::NoteSeenPlaces() {
    const std::string path = SeenRecordPath(m_strIniPath);
    std::vector<SeenEntry> before, seen;
    std::vector<std::string> listed;
    ReadSeenRecord(m_platform.files, path, before);
    for (const ItemList* list : {&m_listStartup, &m_listRun, &m_listRunServices}) {
        for (const ItemPlace& place : list->places) listed.push_back(place.sourceTag);
        for (int row = 0; row < list->Count(); ++row)
            seen.push_back(SeenEntry{list->PlaceOf(row).sourceTag, EntryName(*list, row), false});
        for (std::size_t place : list->unread)
            for (const SeenEntry& entry : before)
                if (entry.source == list->places[place].sourceTag) seen.push_back(entry);
    }
    KeepOtherPlaces(before, listed, seen);
    if (WriteSeenRecord(m_platform.files, path, seen)) return;
    m_platform.messages.Show("Error writing " + path + "\nThe runner will name the entries listed here as new again.",
                             win::MbIconExclamation);
}
