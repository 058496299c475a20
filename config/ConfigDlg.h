#pragma once
// The configuration program's main dialog: the four lists with their paired
// path lists, the moves between them, reordering, and saving on the way out.
#include <optional>
#include <unordered_map>
#include <string>
#include <vector>

#include "common/SeenRecord.h"
#include "config/CountedMessageBoxes.h"
#include "config/ItemList.h"
#include "platform/Platform.h"
#include "ui/Dialog.h"

class CProfileStore;

// A window rectangle as SetWindowPos takes it.
struct WindowPlacement {
    int x = 0, y = 0, width = 0, height = 0;
};

class CConfigDlg : public CDialog {
public:
    CConfigDlg(Platform& platform, CProfileStore& profile);

    bool OnInitDialog() override;
    // The save sequence.
    void OnOK() override;
    // Escape.
    void OnCancel() override;
    // The save prompt.
    void OnClose() override;
    void OnTimer(unsigned timerId) override;
    void OnContextMenu(int controlId, int x, int y) override;
    // The F5 key, whichever control has the focus.
    bool ListensToKeys() const override { return true; }
    void PreTranslateKeyDown(int virtualKey) override;
    // OnPaint and OnQueryDragIcon: the icon drawn while minimised.
    int MinimizedIcon() const override { return m_hIcon; }

    // What row i of a list stands for: the full path of its file, or the
    // command line of its registry value; empty past the last row.
    std::string GetItemPath(int listId, int row) const;
    // How many places a list shows.
    std::size_t PlaceCount(int listId) const;

private:
    // Start-up.
    void DoDataExchange();
    void SetUpLists();
    void SetUpColumns();
    void ComputePlacements();
    void WarnWhenRunnerMissing();

    // The four lists.
    ItemList* ListOf(int listId);
    const ItemList* ListOf(int listId) const;
    std::vector<ItemList*> Lists();
    // The list holding the place a manager row's Source names; null when
    // the Source names none.
    ItemList* ListForSource(const std::string& source, std::size_t& place);
    // The row of an item a move has put into a place of another list: the
    // row of what it replaced there goes, its own joins at index (the end
    // when negative), and it leaves from.
    void HandOver(ItemList& from, int row, ItemList& to, std::size_t place, const std::string& path,
                  const std::vector<std::string>& texts, int index = -1);
    void UpdateArrowButtons(ItemList& list);
    void DeselectAll(IListView& list);
    void Fill(ItemList& list);
    void FillManagerList();
    void FillFolderList(ItemList& list);
    void FillRegistryList(ItemList& list);
    void ShowAdvanced(bool advanced);
    bool ManagerDirChanged();
    void RefreshAll();
    void RefreshContextList();
    void OnListItemChanged(const UiEvent& event);
    void OnShowAdvanced();
    void OnShowBasic();

    // Saving and exit.
    void RegisterRunner();
    void WriteManagerInfo();
    // Notes that the user has seen what the places Windows starts programs
    // from hold now.
    void NoteSeenPlaces();

    // The notes of the Windows lists' rows.
    void LoadSeenRecord();
    std::unordered_map<std::string, std::size_t> ManagedTitles() const;
    // Gives a row of a Windows list its note.
    void NoteRow(const ItemList& list, ItemRow& row, const std::string& name,
                 const std::unordered_map<std::string, std::size_t>& managedTitles);
    std::string ManagedTwin(const ItemList& list, const ItemRow& row, const std::string& title);
    // A row marked also managed that an add reaches is taken in again, when
    // the user says so: true then, with goOn false to stop the add.
    bool TakesInAgain(ItemList& from, int row, bool& goOn);
    void OfferToTakeInAgain();

    // Reordering.
    void OnManagerUp();
    void OnManagerDown();
    void OnStartupUp();
    void OnStartupDown();
    void MoveSelectedRow(ItemList& list, int by);
    void ReorderFiles();

    // Moves between the manager and the Windows Startup folder.
    void OnAdd();
    void OnRemove();
    // Moves the selected files of one folder list to the other, top row first.
    void MoveSelectedFiles(ItemList& from, ItemList& to);

    // Moves between the manager and the registry.
    void OnRegistryAdd();
    void OnRegistryRemove();
    bool MoveItemToRegistry(int row);
    // The registry list and place a manager row goes back to: by its
    // Source, or asked.
    ItemList* RegistryListFor(int row, std::size_t& place);

    // Deleting and restoring.
    void OnListKeyDown(const UiEvent& event);
    void OnPopupDelete();
    void DeleteSelectedItems(ItemList& list);
    void DeleteRegistryLinks(ItemList& list);
    void OnRestore();

    // Child dialogs, counted while open as the boxes are.
    int RunChild(CDialog& child);

    // Item properties.
    void OnPopupProperties();
    void OnDblClkManager();
    void OnDblClkStartup();
    void OnDblClkRun();
    void OnDblClkRunServices();
    // Of the list's one selected row; nothing when another count is selected.
    void ShowPropertiesOfOne(ItemList& list);
    void ShowProperties(ItemList& list);
    void ShowManagerProperties();
    void ShowStartupProperties(ItemList& list);
    void ShowRegistryProperties(ItemList& list);

    // Options, Explore, New Shortcut, Help and About.
    void OnOptions();
    void OnLastStartup();
    void OnExplore();
    void OnViewExplore();
    void OnNewShortcut();
    void OnAbout();
    void OnHelpContents();
    // The application's help routine: the choice of documentation when the
    // local copy is there.
    void WinHelp();

    // Boxes and child dialogs open now; the platform the dialog works with
    // shows its boxes through the count.
    int m_nModalOpen = 0;
    CountedMessageBoxes m_messages;
    Platform m_platform;
    CProfileStore& m_profile;

    unsigned m_nRefreshTimer = 0;
    bool m_bSyncingSelection = false;
    bool m_bModified = false;
    // The last fill could not read the manager directory, or Orvane.ini: a
    // save then leaves what it could not read as it is.
    bool m_bManagerUnread = false;
    bool m_bManagerInfoUnread = false;
    ItemList* m_pContextList = nullptr;
    // What Orvane last noted of the places Windows starts programs from.
    SeenIndex m_seen;
    std::string m_strRocDir;
    std::string m_strRocRecord;  // where the files in the Roc directory belong during a reorder
    std::string m_strIniPath;
    std::string m_strManagerDir;
    std::string m_strConfigDir;
    std::string m_strStartupFolder;
    WindowPlacement m_basicPlacement;
    WindowPlacement m_advancedPlacement;
    ItemList m_listManager;
    ItemList m_listStartup;
    ItemList m_listRun;
    ItemList m_listRunServices;
    IButton* m_btnAdd = nullptr;
    IButton* m_btnRemove = nullptr;
    IButton* m_btnBasic = nullptr;
    IButton* m_btnClose = nullptr;
    IButton* m_btnCloseAdvanced = nullptr;
    IButton* m_btnRegistryRemove = nullptr;
    IButton* m_btnRegistryAdd = nullptr;
    IButton* m_btnAdvanced = nullptr;
    int m_hIcon;
};
