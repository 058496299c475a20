#pragma once
// The configuration's model: the four lists' records and every operation
// that changes them, from a fill to what a save writes. It works through
// the seam and shows its records in the lists' views; what needs the
// user's word it asks through ItemQuestions.
#include <string>
#include <unordered_map>
#include <vector>

#include "common/LaunchOptions.h"
#include "common/SeenRecord.h"
#include "common/StartupApproved.h"
#include "config/ConfigPaths.h"
#include "config/ItemList.h"
#include "config/ItemQuestions.h"
#include "platform/Platform.h"

class ItemLists {
public:
    ItemLists(Platform& platform, ItemQuestions& questions);

    // The lists' places, from the paths and the user's Startup folder.
    void SetUp(const ConfigPaths& paths, const std::string& startupFolder);
    // The first fill of every list: the manager's first, whose items the
    // Windows lists' notes compare with.
    void FillAll();
    // A refill keeps what is not saved yet.
    void Fill(ItemList& list);
    void RefillAll();
    // The manager directory holds another number of files than the list.
    bool ManagerDirChanged() const;

    ItemList* ListOf(int listId);
    const ItemList* ListOf(int listId) const;
    std::vector<ItemList*> Lists();

    // The arrows: the one selected row moves by one.
    void MoveSelectedRow(ItemList& list, int by);
    // ADD and REMOVE: the selected files between the Startup list and the
    // manager.
    void AddFiles();
    void RemoveFiles();
    // "<-- Add" and "Remove -->".
    void TakeRegistryValues();
    void PutBackInRegistry();
    void DeleteSelected(ItemList& list);
    // Every managed item with a recorded origin goes back there.
    void Restore();
    // Programs that put themselves back since the last save, offered once.
    void OfferToTakeInAgain();
    // A managed item's wait (0 or less: none) and idle mark, from its properties.
    void SetWait(int row, int wait, bool idle, bool low);
    // A row turned on or off, its box as it ends: a Windows row's state is
    // written at once where Windows keeps it (a failure is told and the row
    // stays as it was); a managed item's is saved with its line. False on
    // a failure.
    bool SetOff(ItemList& list, int row, bool off);
    // Space: every selected row takes the opposite of the focused row's state.
    void TurnOverSelected(ItemList& list);
    // A managed item's launch options, from its properties.
    void SetOptions(int row, const LaunchOptions& options);

    // The save: the runner's entry, Orvane.ini, the folders' order and the
    // record of what the places hold.
    void Save();
    // The runner's start-up entry in line with the manager: every way out.
    void RegisterRunner();
    bool Modified() const { return m_modified; }

    ItemList manager, startup, run, runServices;

private:
    void FillManager();
    void FillFolder(ItemList& list);
    void FillRegistry(ItemList& list);
    ApprovedStates StatesOf(const ItemPlace& place, bool& told);
    // The list holding the place a Source names, and that place; null when
    // the Source names none.
    ItemList* ListForSource(const std::string& source, std::size_t& place);
    // The row of an item a move has put into a place of another list: the
    // row of what it replaced there goes, row joins at index (the end when
    // negative), and it leaves from.
    void HandOver(ItemList& from, int fromRow, ItemList& to, ItemRow row, int index = -1);
    // The paths the files now have, in the order they moved.
    std::vector<std::string> MoveSelectedFiles(ItemList& from, ItemList& to);
    // The rows of these files are the list's selection, in view.
    void SelectOnly(ItemList& list, const std::vector<std::string>& paths);
    bool PutBackInRegistry(int row);
    // The Windows row of a managed item given back, in its state.
    static ItemRow Returned(const ItemList& to, std::size_t place, const ItemRow& managed, const std::string& where);
    void CarryStates(const ItemPlace& left, const ItemPlace& arrived, const std::string& entryName, bool off);
    ItemList* RegistryListFor(int row, std::size_t& place);

    // The notes of the Windows lists' rows.
    void LoadSeenRecord();
    std::unordered_map<std::string, std::size_t> ManagedTitles() const;
    void NoteRow(const ItemList& list, ItemRow& row, const std::unordered_map<std::string, std::size_t>& managedTitles);
    std::string ManagedTwin(const ItemList& list, const ItemRow& row);
    // What became of a row marked also managed that an add reached.
    enum class TakeIn { NotATwin, Passed, Stop };
    TakeIn TakeInAgain(ItemList& from, int row);

    void WriteManagerInfo();
    void ReorderFiles();
    void NoteSeenPlaces();

    Platform& m_platform;
    ItemQuestions& m_questions;
    ConfigPaths m_paths;
    // What Orvane last noted of the places Windows starts programs from.
    SeenIndex m_seen;
    bool m_modified = false;
    // The last fill could not read the manager directory, or Orvane.ini: a
    // save then leaves what it could not read as it is.
    bool m_managerUnread = false;
    bool m_managerInfoUnread = false;
};
