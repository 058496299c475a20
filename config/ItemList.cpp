#include "config/ItemList.h"

#include "common/TextHelpers.h"

int InsertRow(ItemList& list, int index, const std::vector<std::string>& texts, ItemRow row) {
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
}

std::vector<std::string> RowTexts(const ItemList& list, int row) {
    std::vector<std::string> texts;
    for (int column = 0; column < list.columns; ++column) texts.push_back(list.view->ItemText(row, column));
    return texts;
}

bool MoveRow(ItemList& list, int from, int to) {
    const int insertAt = to < from ? to : to + 1;
    if (InsertRow(list, insertAt, RowTexts(list, from), list.rows[from]) < 0) return false;
    DeleteRow(list, to < from ? from + 1 : from);
    return true;
}
