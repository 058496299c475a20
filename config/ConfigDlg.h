#pragma once
// The configuration program's main dialog: the four lists with their paired
// path lists, the moves between them, reordering, and saving on the way out.
#include <optional>
#include <string>
#include <vector>

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

private:
    // Start-up.
    void DoDataExchange();
    void SetUpColumns();
    void ComputePlacements();
    void WarnWhenRunnerMissing();

    // The four lists.
    std::string GetItemPath(IListView* list, int row);
    std::vector<std::string>* GetPathList(IListView* list);
    int InsertRow(IListView& list, int index, const std::string& name, const std::optional<std::string>& source = {},
                  const std::optional<std::string>& wait = {});
    void UpdateArrowButtons(IListView& list, IButton& up, IButton& down);
    void DeselectAll(IListView& list);
    void ReadManagerInfo();
    void FillManagerList();
    void FillStartupList();
    void FillRunList();
    void FillRunServicesList();
    void FillFolderList(IListView& list, std::vector<std::string>& paths, const std::string& folder);
    void FillRegistryList(IListView& list, std::vector<std::string>& commands, const std::string& keyPath,
                          const std::string& failure, bool skipRunner);
    void ShowAdvanced(bool advanced);
    bool ManagerDirChanged();
    void RefreshAll();
    void RefreshContextList();
    void OnListItemChanged(int listId);
    IListView* ListById(int listId);

    // Saving and exit.
    void RegisterRunner();
    void WriteManagerInfo();

    // Reordering.
    void OnManagerUp();
    void OnManagerDown();
    void OnStartupUp();
    void OnStartupDown();
    // True when a row moved.
    bool MoveRowUp(IListView& list);
    bool MoveRowDown(IListView& list);
    bool MoveRow(IListView& list, int from, int to);
    void ReorderFiles();
    // False when a file of the list was left in the Roc directory.
    bool ReorderDirectory(const std::vector<std::string>& paths, const std::string& directory, bool& orderReported);
    bool RocDirectoryIsEmpty();

    // Commands whose work belongs to the moves, deletion, restore, properties,
    // options, explore, help and about.
    void OnAdd();
    void OnRemove();
    void OnRegistryAdd();
    void OnRegistryRemove();
    void OnListKeyDown(IListView& list, int virtualKey);
    void OnPopupDelete();
    void OnPopupProperties();
    void OnDblClkManager();
    void OnDblClkStartup();
    void OnDblClkRun();
    void OnDblClkRunServices();
    void OnExplore();
    void OnViewExplore();
    void OnOptions();
    void OnNewShortcut();
    void OnRestore();
    void OnAbout();
    void OnHelpContents();

    Platform& m_platform;
    CProfileStore& m_profile;

    unsigned m_nRefreshTimer = 0;
    bool m_bSyncingSelection = false;
    bool m_bModified = false;
    bool m_bManagerOrderChanged = false;
    bool m_bStartupOrderChanged = false;
    IListView* m_pContextList = nullptr;
    std::string m_strRocDir;
    std::string m_strIniPath;
    std::string m_strManagerDir;
    std::string m_strConfigDir;
    std::string m_strStartupFolder;
    std::string m_strWindowsDir;
    WindowPlacement m_basicPlacement;
    WindowPlacement m_advancedPlacement;
    IButton* m_btnAdd = nullptr;
    IButton* m_btnRemove = nullptr;
    IButton* m_btnManagerUp = nullptr;
    IButton* m_btnManagerDown = nullptr;
    IButton* m_btnStartupUp = nullptr;
    IButton* m_btnStartupDown = nullptr;
    std::vector<std::string> m_managerPaths;
    std::vector<std::string> m_startupPaths;
    std::vector<std::string> m_runCommands;
    std::vector<std::string> m_runServicesCommands;
    std::string m_strRunKey;
    std::string m_strRunServicesKey;
    std::string m_strSourceRun;
    std::string m_strSourceServices;
    std::string m_strSourceStartup;
    std::string m_strStartupSubPath;
    std::string m_strMoveFailed;
    std::string m_strInUseAdvice;
    IListView* m_listRun = nullptr;
    IListView* m_listRunServices = nullptr;
    IButton* m_btnBasic = nullptr;
    IListView* m_listStartup = nullptr;
    IListView* m_listManager = nullptr;
    IButton* m_btnClose = nullptr;
    IButton* m_btnCloseAdvanced = nullptr;
    IButton* m_btnRegistryRemove = nullptr;
    IButton* m_btnRegistryAdd = nullptr;
    IButton* m_btnAdvanced = nullptr;
    int m_hIcon;
};
