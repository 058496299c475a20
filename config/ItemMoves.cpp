// The model's moves: the arrows, the files between the Startup list and the
// manager, values between the registry lists and the manager, deleting and
// restoring. Each row's record goes where its item went.
#include <algorithm>

#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "config/InUseAdvice.h"
#include "config/ItemLists.h"
#include "config/SelectedRows.h"
#include "config/transfer/Confirmations.h"
#include "config/transfer/FileTransfer.h"
#include "config/transfer/RegistryTransfer.h"
#include "config/transfer/Restore.h"

void ItemLists::MoveSelectedRow(ItemList& list, int by) {
    IListView& view = *list.view;
    if (list.arrowsAlwaysReorder) list.orderChanged = true;
    if (view.SelectedCount() != 1) return;
    m_modified = true;
    const int row = view.NextSelected(-1);
    const int to = row + by;
    if (row < 0 || to < 0 || to >= list.Count() || !MoveRow(list, row, to)) return;
    list.orderChanged = true;
    view.SetSelected(to, true);
    view.SetFocused(to);
    view.EnsureVisible(to);
    // The arrow clicked took the focus and may now be disabled, which leaves
    // the keyboard nowhere: it goes on from the list.
    view.Focus();
}

void ItemLists::AddFiles() {
    m_modified = true;
    SelectOnly(manager, MoveSelectedFiles(startup, manager));
}

void ItemLists::RemoveFiles() {
    m_modified = true;
    MoveSelectedFiles(manager, startup);
}

std::vector<std::string> ItemLists::MoveSelectedFiles(ItemList& from, ItemList& to) {
    std::vector<std::string> moved;
    ForEachSelectedRow(*from.view, [&](int row) {
        const TakeIn taken = TakeInAgain(from, row);
        if (taken != TakeIn::NotATwin) return taken == TakeIn::Passed;
        const ItemRow& item = from.rows[row];
        // A manager item goes back to the folder it came from.
        std::size_t place = 0;
        if (ListForSource(item.source, place) != &to) place = 0;
        std::string destination;
        const bool machine = from.PlaceOf(row).machine || to.places[place].machine;
        if (!MoveItemToFolder(m_platform, m_questions, item.path, item.source, to.places[place].path, destination, machine))
            return false;
        ItemRow arrived = ItemRow::File(destination, place);
        // The manager records where the item came from; the manager's own
        // folder is no origin.
        arrived.source = from.PlaceOf(row).sourceTag;
        arrived.SetOff(item.Off());
        CarryStates(from.PlaceOf(row), to.places[place], FileNameOf(destination), item.Off());
        HandOver(from, row, to, std::move(arrived));
        moved.push_back(destination);
        return true;
    });
    return moved;
}

void ItemLists::SelectOnly(ItemList& list, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    IListView& view = *list.view;
    int last = -1;
    for (int row = 0; row < list.Count(); ++row) {
        const bool wanted = std::find(paths.begin(), paths.end(), list.rows[row].path) != paths.end();
        if (view.IsSelected(row) != wanted) view.SetSelected(row, wanted);
        if (wanted) last = row;
    }
    if (last >= 0) view.EnsureVisible(last);
}

void ItemLists::TakeRegistryValues() {
    ItemList* from = nullptr;
    for (ItemList* list : Lists())
        if (from == nullptr && list->IsRegistry() && list->view->SelectedCount() > 0) from = list;
    if (from == nullptr) return;
    int top = 0;  // several values keep their order at the top
    std::vector<std::string> added;
    ForEachSelectedRow(*from->view, [&](int row) {
        const TakeIn taken = TakeInAgain(*from, row);
        if (taken != TakeIn::NotATwin) return taken == TakeIn::Passed;
        std::string name = from->rows[row].name;
        const ItemPlace& origin = from->PlaceOf(row);
        if (!TakeRegistryValue(m_platform, m_questions, origin, m_paths.managerDir, name, from->rows[row].command)) return false;
        ItemRow arrived = ItemRow::File(m_paths.managerDir + name + ".lnk", 0);
        arrived.source = origin.sourceTag;
        arrived.SetOff(from->rows[row].Off());
        CarryState(m_platform, origin, from->rows[row].name, ApprovedWrite::Clear);
        added.push_back(arrived.path);
        // Added items go to the top, where the user sees them.
        HandOver(*from, row, manager, std::move(arrived), top++);
        m_modified = manager.orderChanged = true;
        return true;
    });
    SelectOnly(manager, added);
}

void ItemLists::PutBackInRegistry() {
    ForEachSelectedRow(*manager.view, [this](int row) { return PutBackInRegistry(row); });
}

bool ItemLists::PutBackInRegistry(int row) {
    const std::string name = manager.rows[row].name;
    if (!CheckIsShortcut(m_platform, name, manager.rows[row].path)) return false;
    std::size_t place = 0;
    ItemList* to = RegistryListFor(row, place);
    if (to == nullptr) return false;
    const RestoreStep step = RestoreItem(m_platform, m_questions, name, manager.rows[row].path, to->places[place], manager.rows[row].Off());
    if (step.result == Restored::No) return false;
    m_modified = true;
    HandOver(manager, row, *to, Returned(*to, place, manager.rows[row], step.path));
    return step.result == Restored::Yes;
}

ItemList* ItemLists::RegistryListFor(int row, std::size_t& place) {
    ItemList* list = ListForSource(manager.rows[row].source, place);
    if (list != nullptr && list->IsRegistry()) return list;
    const RegistryChoice choice = m_questions.AskRegistryList(manager.rows[row].name);
    if (choice == RegistryChoice::Cancel) return nullptr;
    if (choice == RegistryChoice::UserRun) return ListForSource("UserRun", place);
    place = 0;
    return choice == RegistryChoice::RunServices ? &runServices : &run;
}

void ItemLists::DeleteSelected(ItemList& list) {
    const int selected = list.view->SelectedCount();
    if (selected == 0) return;
    IMessageBoxes& messages = m_platform.messages;
    if (list.IsRegistry() ? !m_questions.ConfirmDeleteValues(selected) : !m_questions.ConfirmDeleteFiles(selected)) return;
    m_modified = true;
    ForEachSelectedRow(*list.view, [&](int row) {
        const ItemRow& item = list.rows[row];
        if (list.IsRegistry()) {
            if (NamesSystray(item.command) && !m_questions.AskMoveSystray()) return false;
            if (!DeleteRegistryItem(m_platform, list.PlaceOf(row), item.name)) return false;
            CarryState(m_platform, list.PlaceOf(row), item.name, ApprovedWrite::Clear);
        } else {
            if (HasRegistrySource(item.source) && !m_questions.AskLoseRegistryOrigin()) return false;
            if (!DeleteItemFile(m_platform.files, messages, item.path, list.PlaceOf(row).machine)) return false;
            CarryState(m_platform, list.PlaceOf(row), item.EntryName(), ApprovedWrite::Clear);
        }
        DeleteRow(list, row);
        return true;
    });
}

void ItemLists::Restore() {
    IMessageBoxes& messages = m_platform.messages;
    if (manager.rows.empty()) {
        messages.Show(std::string("There are no items in the manager directory.\n") +
                          "Restore is used to return items in the manager to their\n" + "original locations.",
                      win::MbIconExclamation);
        return;
    }
    if (!m_questions.ConfirmRestoreAll()) return;
    m_modified = true;
    bool noneMarked = true;
    bool notAllMoved = false;
    for (int row = 0; row < manager.Count(); ++row) {
        std::size_t place = 0;
        ItemList* to = ListForSource(manager.rows[row].source, place);
        if (to == nullptr) continue;
        noneMarked = false;
        const std::string name = manager.rows[row].name;
        const RestoreStep step = RestoreItem(m_platform, m_questions, name, manager.rows[row].path, to->places[place], manager.rows[row].Off());
        if (step.result != Restored::Yes) notAllMoved = true;
        if (step.result == Restored::No) continue;
        ItemRow back = Returned(*to, place, manager.rows[row], step.path);
        HandOver(manager, row--, *to, std::move(back));
    }
    if (noneMarked) messages.Show("No files are marked with original locations.", win::MbIconExclamation);
    else if (notAllMoved) messages.Show(std::string("Not all files were moved.\n\n") + InUseAdvice, win::MbIconExclamation);
}

ItemRow ItemLists::Returned(const ItemList& to, std::size_t place, const ItemRow& managed, const std::string& where) {
    ItemRow row = ItemRow::At(to, place, managed.name, where);
    row.SetOff(managed.Off());
    return row;
}

// Windows' record goes with the item: none stays where it left, and where
// it arrives says what it is. The manager keeps no such record.
void ItemLists::CarryStates(const ItemPlace& left, const ItemPlace& arrived, const std::string& entryName, bool off) {
    CarryState(m_platform, left, entryName, ApprovedWrite::Clear);
    CarryState(m_platform, arrived, entryName, ArrivingState(off));
}

bool ItemLists::SetOff(ItemList& list, int row, bool off) {
    ItemRow& item = list.rows[row];
    if (item.Off() != off) {
        if (list.kind != ListKind::Manager &&
            !CarryState(m_platform, list.PlaceOf(row), item.EntryName(), off ? ApprovedWrite::Off : ApprovedWrite::On)) {
            list.view->SetChecked(row, !item.Off());
            return false;
        }
        item.SetOff(off);
        m_modified |= list.kind == ListKind::Manager;
    }
    list.view->SetChecked(row, !off);
    return true;
}

void ItemLists::TurnOverSelected(ItemList& list) {
    const IListView& view = *list.view;
    int focused = view.FocusedRow();
    if (!view.IsSelected(focused)) focused = view.NextSelected(-1);
    if (focused < 0 || !list.HasStates()) return;
    const bool off = !list.rows[focused].Off();
    for (int row = view.NextSelected(-1); row >= 0; row = view.NextSelected(row))
        if (!SetOff(list, row, off)) return;
}

void ItemLists::SetWait(int row, int wait, bool idle, bool low) {
    m_modified = true;
    ItemRow& item = manager.rows[row];
    SetExtraField(item.extras, IdleField, idle);
    SetExtraField(item.extras, LowField, low);
    item.wait = wait <= 0 ? "" : IntToString(wait);
    UpdateRow(manager, row);
}

void ItemLists::SetOptions(int row, const LaunchOptions& options) {
    m_modified = true;
    SetLaunchOptions(manager.rows[row].extras, options);
    UpdateRow(manager, row);
}
