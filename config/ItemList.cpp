#include "config/ItemList.h"

#include <algorithm>
#include <unordered_map>

#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "config/WaitColumn.h"

namespace {

const char* NoteText(RowNote note) {
    return note == RowNote::New ? ", new" : note == RowNote::AlsoManaged ? ", also managed" : "";
}

// The log's word for a rating, as the Impact column says it.
std::string ImpactText(const std::string& impact) {
    if (impact == "unmeasured") return "Not measured";
    if (impact.empty()) return impact;
    return static_cast<char>(impact[0] - 'a' + 'A') + impact.substr(1);
}

// What identifies the row in its place, in any case.
std::string RowKey(const ItemRow& row) { return UpperCopy(row.path.empty() ? row.name : row.path); }

}  // namespace

ItemRow::ItemRow() = default;
ItemRow::ItemRow(const ItemRow&) = default;
ItemRow::ItemRow(ItemRow&&) noexcept = default;
ItemRow& ItemRow::operator=(const ItemRow&) = default;
ItemRow& ItemRow::operator=(ItemRow&&) noexcept = default;
ItemRow::~ItemRow() = default;

ItemRow ItemRow::File(std::string path, std::size_t place) {
    ItemRow row;
    row.name = TitleOf(path);
    row.path = std::move(path);
    row.place = place;
    return row;
}

ItemRow ItemRow::Value(std::string name, std::string command, std::size_t place) {
    ItemRow row;
    row.name = std::move(name);
    row.command = std::move(command);
    row.place = place;
    return row;
}

ItemRow ItemRow::At(const ItemList& list, std::size_t place, const std::string& name, const std::string& where) {
    return list.places[place].IsRegistry() ? Value(name, where, place) : File(where, place);
}

std::string ItemRow::EntryName() const { return path.empty() ? name : FileNameOf(path); }

std::string ItemRow::Shown() const { return byFileName ? FileNameOf(path) : name; }

bool ItemRow::Idle() const { return HasExtraField(extras, IdleField); }

bool ItemRow::Off() const { return HasExtraField(extras, OffField); }

void ItemRow::SetOff(bool off) { SetExtraField(extras, OffField, off); }

std::vector<std::string> RowTexts(const ItemList& list, const ItemRow& row) {
    if (list.CarriesSource()) return {row.Shown(), row.source, WaitColumnText(row.wait, row.extras), ImpactText(row.impact)};
    return {row.Shown(), list.places[row.place].mark + NoteText(row.note)};
}

int InsertRow(ItemList& list, int index, ItemRow row) {
    const std::vector<std::string> texts = RowTexts(list, row);
    const int at = list.view->InsertItem(index < 0 ? list.Count() : index, texts[0]);
    if (at < 0) return at;
    for (std::size_t column = 1; column < texts.size(); ++column)
        if (!texts[column].empty()) list.view->SetItemText(at, static_cast<int>(column), texts[column]);
    const bool on = !row.Off();
    list.rows.insert(list.rows.begin() + at, std::move(row));
    if (list.HasStates()) list.view->SetChecked(at, on);
    return at;
}

void UpdateRow(ItemList& list, int row) {
    const std::vector<std::string> texts = RowTexts(list, list.rows[row]);
    for (std::size_t column = 0; column < texts.size(); ++column)
        list.view->SetItemText(row, static_cast<int>(column), texts[column]);
}

void DeleteRow(ItemList& list, int row) {
    if (!list.view->DeleteItem(row)) return;
    list.rows.erase(list.rows.begin() + row);
}

void DeleteRowsOf(ItemList& list, std::size_t place, const std::string& pathOrName) {
    const std::string wanted = UpperCopy(pathOrName);
    for (int row = list.Count() - 1; row >= 0; --row)
        if (list.rows[row].place == place && RowKey(list.rows[row]) == wanted) DeleteRow(list, row);
}

void ResetRows(ItemList& list) {
    list.view->DeleteAllItems();
    list.rows.clear();
    list.unread.clear();
}

bool MoveRow(ItemList& list, int from, int to) {
    const int insertAt = to < from ? to : to + 1;
    if (InsertRow(list, insertAt, list.rows[from]) < 0) return false;
    DeleteRow(list, to < from ? from + 1 : from);
    return true;
}

void SetUpColumns(ItemList& list) {
    IListView& view = *list.view;
    if (list.HasStates()) view.ShowCheckBoxes();
    if (!list.CarriesSource()) {
        // Each row says where it lives, and what is new about it.
        view.InsertColumn(0, "Name", 0);
        view.InsertColumn(1, "Where", 0);
        return;
    }
    const int w = view.ColumnSpace();
    // "10 + idle" and "Not measured" whole.
    view.InsertColumn(0, "Name", static_cast<int>(w * 0.36));
    view.InsertColumn(1, "Source", static_cast<int>(w * 0.19));
    view.InsertColumn(2, "Wait", static_cast<int>(w * 0.2));
    view.InsertColumn(3, "Impact", static_cast<int>(w * 0.25));
}

void FitColumns(ItemList& list) {
    if (list.CarriesSource()) return;
    IListView& view = *list.view;
    const int space = view.WindowRect().Width() - view.Scaled(21);
    int where = space / 3;
    // Past the text, a column keeps a margin on each side.
    for (const ItemRow& row : list.rows) where = std::max(where, view.TextWidth(RowTexts(list, row)[1]) + view.Scaled(14));
    where = std::min(where, space * 2 / 3);
    view.SetColumnWidth(1, where);
    view.SetColumnWidth(0, space - where);
}

void LabelRows(ItemList& list) {
    if (list.IsRegistry()) return;
    std::unordered_map<std::string, std::size_t> rowsOfTitle;
    for (const ItemRow& row : list.rows) ++rowsOfTitle[UpperCopy(row.name)];
    for (int row = 0; row < list.Count(); ++row) {
        ItemRow& record = list.rows[row];
        const bool byFileName = rowsOfTitle[UpperCopy(record.name)] > 1;
        if (byFileName == record.byFileName) continue;
        record.byFileName = byFileName;
        if (!list.view->SetItemText(row, 0, record.Shown())) record.byFileName = !byFileName;
    }
}

void UpdateArrows(ItemList& list) {
    if (list.up == nullptr) return;
    const IListView& view = *list.view;
    const int row = view.SelectedCount() == 1 ? view.NextSelected(-1) : -1;
    list.up->Enable(row > 0);
    list.down->Enable(row >= 0 && row != view.Count() - 1);
}
