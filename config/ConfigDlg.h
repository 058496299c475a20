#pragma once
// The configuration program's main dialog: the four lists with their paired
// path lists, the moves between them, reordering, and saving on the way out.
#include <optional>
#include <string>
#include <vector>

#include "config/CountedMessageBoxes.h"
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

private:
    // One of the four lists: the view, its paired list (row i and entry i
    // describe the same item), where its items live, and how it is filled.
    struct ItemList {
        int id = 0;
        IListView* view = nullptr;
        std::vector<std::string> paths;  // full paths, or command lines for the registry lists
        std::string place;               // the folder (with its trailing backslash) or the key path
        bool registry = false;           // place is a key under HKEY_LOCAL_MACHINE
        std::string sourceTag;           // what a manager row records of an item taken from here
        std::string keyName;             // the key's own name, as messages call the list
        int columns = 1;
        void (CConfigDlg::*fill)() = nullptr;
        IButton* up = nullptr;  // the arrows of an orderable list
        IButton* down = nullptr;
    };

    // Start-up.
    void DoDataExchange();
    void SetUpLists();
    void SetUpColumns();
    void ComputePlacements();
    void WarnWhenRunnerMissing();

    // The four lists.
    ItemList* ListOf(int listId);
    const ItemList* ListOf(int listId) const;
    // A row and its path together: the path goes where the row went, and
    // only when the row could be inserted. The new row's index, or negative.
    int InsertRow(ItemList& list, int index, const std::string& name, const std::string& path,
                  const std::optional<std::string>& source = {}, const std::optional<std::string>& wait = {});
    void DeleteRow(ItemList& list, int row);
    // The rows of a file or value that a move has just replaced.
    void DeleteRowsOf(ItemList& list, const std::string& pathOrName);
    void UpdateArrowButtons(ItemList& list);
    void DeselectAll(IListView& list);
    void FillManagerList();
    void FillStartupList();
    void FillRunList();
    void FillRunServicesList();
    // The files of a folder list's place in directory order; false when the
    // folder could not be read.
    bool ReadFolder(const ItemList& list, std::vector<FileEntry>& files);
    // failure: what is shown, before the folder, when it exists but cannot be read.
    void FillFolderList(ItemList& list, const std::string& failure);
    void FillRegistryList(ItemList& list, const std::string& failure, bool skipRunner);
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

    // Reordering.
    void OnManagerUp();
    void OnManagerDown();
    void OnStartupUp();
    void OnStartupDown();
    // True when a row moved.
    bool MoveRowUp(ItemList& list);
    bool MoveRowDown(ItemList& list);
    bool MoveRow(ItemList& list, int from, int to);
    void ReorderFiles();
    // False when a file of the list was left in the Roc directory.
    // reportNameOrder: tell the user when the file system kept its own order.
    bool ReorderDirectory(const std::vector<std::string>& paths, const std::string& directory, bool reportNameOrder);
    bool RocDirectoryIsEmpty();

    // Moves between the manager and the Windows Startup folder.
    void OnAdd();
    void OnRemove();
    // Moves the selected files of one folder list to the other, top row first.
    void MoveSelectedFiles(ItemList& from, ItemList& to, const std::optional<std::string>& source);

    // Moves between the manager and the registry.
    void OnRegistryAdd();
    void OnRegistryRemove();
    bool MoveItemToRegistry(int row);
    // The registry list a manager row goes back to: by its Source, or asked.
    ItemList* RegistryListFor(int row);

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
    bool m_bManagerOrderChanged = false;
    bool m_bStartupOrderChanged = false;
    // The last fill could not read the manager directory, or Orvane.ini: a
    // save then leaves what it could not read as it is.
    bool m_bManagerUnread = false;
    bool m_bManagerInfoUnread = false;
    ItemList* m_pContextList = nullptr;
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
    std::string m_strRunKey;
    std::string m_strRunServicesKey;
    std::string m_strSourceRun;
    std::string m_strSourceServices;
    std::string m_strSourceStartup;
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
