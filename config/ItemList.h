#pragma once
// One of the configuration's four lists as a record: its view, where its
// items live, and one row record per row of the view, kept in step.
#include <string>
#include <vector>

#include "common/ItemPlace.h"
#include "ui/Controls.h"

enum class ListKind {
    Manager,      // the managed items, with Source and Wait
    Folder,       // a folder of shortcuts Windows starts
    RegistryKey,  // the values of a key Windows starts
};

// What a row of a Windows list is besides where it lives.
enum class RowNote {
    None,
    New,          // appeared since the user last saved the configuration
    AlsoManaged,  // a managed item's program put itself back here
};

// Everything a row is and everything a save writes of it: the views only
// show it.
struct ItemList;

struct ItemRow {
    // Out of line: a record of many texts is copied and moved in many
    // places, and each inline copy weighs in the program.
    ItemRow();
    ItemRow(const ItemRow&);
    ItemRow(ItemRow&&) noexcept;
    ItemRow& operator=(const ItemRow&);
    ItemRow& operator=(ItemRow&&) noexcept;
    ~ItemRow();

    // A file's row: its name is its title.
    static ItemRow File(std::string path, std::size_t place);
    // A registry value's row.
    static ItemRow Value(std::string name, std::string command, std::size_t place);

    // The item's name as the moves and Orvane.ini know it: a file's title,
    // or a value's name.
    std::string name;
    // The full path of the item's file; empty for a registry value.
    std::string path;
    // A registry value's command line; empty for a file.
    std::string command;
    // Index into the list's places: where the item lives.
    std::size_t place = 0;
    // A managed item's Orvane.ini fields: where it came from, its wait in
    // seconds ("" for none), and the fields between the two. A Windows
    // row's extras hold its state alone, so that it travels as it is.
    std::string source, wait;
    std::vector<std::string> extras;
    // Shown by its file name, since another row of the list has its title.
    bool byFileName = false;
    RowNote note = RowNote::None;
    // Also managed: the path of the managed item whose program it starts.
    std::string twin;
    // A managed item's rating at the last run that launched it, as
    // Orvane.log has it; not saved.
    std::string impact;

    // The row of an item that now lives at where in a place of the list: a
    // file's path, or a registry value's command line.
    static ItemRow At(const ItemList& list, std::size_t place, const std::string& name, const std::string& where);

    // The entry's name in its place: a value's name, or a file's with its
    // extension.
    std::string EntryName() const;
    // The name the row shows in its first column.
    std::string Shown() const;
    bool Idle() const;
    bool Off() const;
    void SetOff(bool off);
};

struct ItemList {
    int id = 0;
    ListKind kind = ListKind::Folder;
    IListView* view = nullptr;
    // Where the list's items live; new items go to the first, and only its
    // order is rewritten.
    std::vector<ItemPlace> places;
    std::vector<ItemRow> rows;  // row i of the view
    // Shown when the place is there but cannot be read.
    std::string failure;
    // The places the last fill could not read whole, by index.
    std::vector<std::size_t> unread;
    // Tell the user when the drive keeps its own order instead of the rows'.
    bool reportsNameOrder = false;
    bool orderChanged = false;
    // Any click of the arrows marks the order for the rewrite, even one that
    // moved nothing: the folder's order on the drive may not be the rows'.
    bool arrowsAlwaysReorder = false;
    IButton* up = nullptr;  // the arrows of an orderable list
    IButton* down = nullptr;

    bool IsRegistry() const { return kind == ListKind::RegistryKey; }
    // Its rows are turned on and off: the manager's, and the places where
    // Windows keeps its entries' states.
    bool HasStates() const { return kind == ListKind::Manager || Home().approved != nullptr; }
    bool CarriesSource() const { return kind == ListKind::Manager; }
    // Name, Source, Wait and Impact; or Name and Where, the mark of each
    // row's place with its note.
    int Columns() const { return CarriesSource() ? 4 : 2; }
    const ItemPlace& Home() const { return places.front(); }
    const ItemPlace& PlaceOf(int row) const { return places[rows[row].place]; }
    int Count() const { return static_cast<int>(rows.size()); }
};

// Shows the record at index (the end when negative); the record joins the
// list only when the view took the row, and its box is ticked after, so
// that the view and the records are in step when the box's change is told.
// The new row's index, or negative.
int InsertRow(ItemList& list, int index, ItemRow row);
void DeleteRow(ItemList& list, int row);
// Shows the row's record again, after it changed.
void UpdateRow(ItemList& list, int row);
// The rows of a place's file or value that a move has just replaced:
// registry rows are known by their value's name, folder rows by their file.
void DeleteRowsOf(ItemList& list, std::size_t place, const std::string& pathOrName);
// Empties the view and its records before a fill.
void ResetRows(ItemList& list);
// Moves one row and its record; the copy goes in before the original comes
// out, so a failed insertion changes nothing.
bool MoveRow(ItemList& list, int from, int to);
// What each column shows of a record: the manager's Name, Source and Wait;
// a Windows list's Name and Where, the mark of the row's place with its note.
std::vector<std::string> RowTexts(const ItemList& list, const ItemRow& row);
// The list's columns, by its kind; a Windows list's widths follow from
// its rows (FitColumns).
void SetUpColumns(ItemList& list);
// The Where column takes a third of the list, or what its longest mark and
// note need, up to two thirds; the Name column the rest.
void FitColumns(ItemList& list);
// The arrows of an orderable list: each enabled while its one selected row
// can go that way.
void UpdateArrows(ItemList& list);
// Shows each row of a folder list by its title, or by its file name where
// rows share a title, so that the user can tell them apart.
void LabelRows(ItemList& list);
