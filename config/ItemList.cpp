#include "config/ItemList.h"

#include <algorithm>
#include <unordered_map>

#include "common/PathHelpers.h"
#include "common/TextHelpers.h"

namespace {

const char* NoteText(RowNote note) {
    return note == RowNote::New ? ", new" : note == RowNote::AlsoManaged ? ", also managed" : "";
}

}  // namespace

int InsertRow(ItemList& list, int index, std::vector<std::string> texts, ItemRow row) {
    if (!list.CarriesSource()) texts = {texts.empty() ? std::string() : texts[0], list.places[row.place].mark + NoteText(row.note)};
    const int at = list.view->InsertItem(index, texts.empty() ? std::string() : texts[0]);
    if (at < 0) return at;
    for (std::size_t column = 1; column < texts.size(); ++column)
        list.view->SetItemText(at, static_cast<int>(column), texts[column]);
    list.rows.insert(list.rows.begin() + at, std::move(row));
    return at;
}

void DeleteRow(ItemList& list, int row) {
    if (!list.view->DeleteItem(row)) return;
    list.rows.erase(list.rows.begin() + row);
}

void DeleteRowsOf(ItemList& list, std::size_t place, const std::string& pathOrName) {
    const std::string wanted = UpperCopy(pathOrName);
    for (int row = list.view->Count() - 1; row >= 0; --row) {
        if (list.rows[row].place != place) continue;
        const std::string key = list.IsRegistry() ? list.view->ItemText(row, 0) : list.rows[row].path;
        if (UpperCopy(key) == wanted) DeleteRow(list, row);
    }
}

void ResetRows(ItemList& list) {
    list.view->DeleteAllItems();
    list.rows.clear();
    list.unread.clear();
}

std::vector<std::string> RowTexts(const ItemList& list, int row) {
    std::vector<std::string> texts;
    for (int column = 0; column < list.Columns(); ++column) texts.push_back(list.view->ItemText(row, column));
    return texts;
}

bool MoveRow(ItemList& list, int from, int to) {
    const int insertAt = to < from ? to : to + 1;
    if (InsertRow(list, insertAt, RowTexts(list, from), list.rows[from]) < 0) return false;
    DeleteRow(list, to < from ? from + 1 : from);
    return true;
}

std::string RowTitle(const ItemList& list, int row) {
    return list.IsRegistry() ? list.view->ItemText(row, 0) : TitleOf(list.rows[row].path);
}

void FitColumns(ItemList& list) {
    if (list.CarriesSource()) return;
    IListView& view = *list.view;
    const int space = view.WindowRect().Width() - 21;
    int where = space / 3;
    // Past the text, a column keeps a margin on each side.
    for (int row = 0; row < view.Count(); ++row) where = std::max(where, view.TextWidth(view.ItemText(row, 1)) + 14);
    where = std::min(where, space * 2 / 3);
    view.SetColumnWidth(1, where);
    view.SetColumnWidth(0, space - where);
}

std::string EntryName(const ItemList& list, int row) {
    return list.IsRegistry() ? list.view->ItemText(row, 0) : FileNameOf(list.rows[row].path);
}

void LabelRows(ItemList& list) {
    if (list.IsRegistry()) return;
    std::unordered_map<std::string, std::size_t> rowsOfTitle;
    for (const ItemRow& row : list.rows) ++rowsOfTitle[UpperCopy(TitleOf(row.path))];
    for (int row = 0; row < list.Count(); ++row) {
        ItemRow& record = list.rows[row];
        const bool byFileName = rowsOfTitle[UpperCopy(TitleOf(record.path))] > 1;
        if (byFileName == record.byFileName) continue;
        if (list.view->SetItemText(row, 0, byFileName ? FileNameOf(record.path) : TitleOf(record.path)))
            record.byFileName = byFileName;
    }
}
