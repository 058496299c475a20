#pragma once
// The configuration program's main dialog: shows the four lists of the model
// and routes the user's commands to it; answers the model's questions.
#include <string>

#include "config/CountedMessageBoxes.h"
#include "config/ItemLists.h"
#include "platform/Platform.h"
#include "ui/Dialog.h"

class CProfileStore;

// A window rectangle as SetWindowPos takes it.
struct WindowPlacement {
    int x = 0, y = 0, width = 0, height = 0;
};

class CConfigDlg : public CDialog, private ItemQuestions {
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
    int MinimizedIcon() const override { return m_iconId; }

    // What row i of a list stands for: the full path of its file, or the
    // command line of its registry value; empty past the last row.
    std::string GetItemPath(int listId, int row) const;
    // How many places a list shows.
    std::size_t PlaceCount(int listId) const;

private:
    // Start-up.
    void BindControls();
    void ComputePlacements();
    void WarnWhenRunnerMissing();

    // Every command of the buttons and menus.
    void OnCommand(const UiEvent& event);
    void RunCommand(int id);
    void ShowAdvanced(bool advanced);
    void OnListItemChanged(const UiEvent& event);
    void OnListKeyDown(const UiEvent& event);
    void OnListDblClk(const UiEvent& event);
    void OnListChecked(const UiEvent& event);

    // Item properties: of the list's one selected row.
    void ShowPropertiesOfOne(ItemList& list);
    void ShowProperties(ItemList& list);
    void ShowManagerProperties();
    void ShowStartupProperties(ItemList& list);
    void ShowRegistryProperties(ItemList& list);

    // Options, Explore, New Shortcut, Help and About.
    void OnOptions();
    void OnLastStartup();
    void OnExplore();
    void OnNewShortcut();
    void OnAbout();
    // The choice of documentation when the local copy is there.
    void ShowHelp();

    // Child dialogs, counted while open as the boxes are.
    int RunChild(CDialog& child);

    // The model's questions, as message boxes and the Registry Location dialog.
    bool AskTakeInAgain(const std::string& title, const ItemPlace& place) override;
    bool ConfirmDeleteFiles(int count) override;
    bool ConfirmDeleteValues(int count) override;
    bool ConfirmRestoreAll() override;
    RegistryChoice AskRegistryList(const std::string& name) override;
    void TellMachineEntryStays() override;
    bool AskReplaceFile(const std::string& path) override { return m_boxed.AskReplaceFile(path); }
    bool AskReplaceValue(const std::string& name, const std::string& listName) override {
        return m_boxed.AskReplaceValue(name, listName);
    }
    bool AskLoseRegistryOrigin() override { return m_boxed.AskLoseRegistryOrigin(); }
    bool AskMoveSystray() override { return m_boxed.AskMoveSystray(); }

    // Boxes and child dialogs open now; the platform the dialog works with
    // shows its boxes through the count.
    int m_nModalOpen = 0;
    CountedMessageBoxes m_messages;
    BoxedMoveQuestions m_boxed{m_messages};
    Platform m_platform;
    CProfileStore& m_profile;
    ItemLists m_lists;

    unsigned m_nRefreshTimer = 0;
    bool m_bSyncingSelection = false;
    // Commands under way: the arrows wait for their end.
    int m_nCommandsRunning = 0;
    ItemList* m_pContextList = nullptr;
    std::string m_strConfigDir;
    std::string m_strManagerDir;
    std::string m_strIniPath;
    WindowPlacement m_basicPlacement;
    WindowPlacement m_advancedPlacement;
    IButton* m_btnAdd = nullptr;
    IButton* m_btnRemove = nullptr;
    IButton* m_btnBasic = nullptr;
    IButton* m_btnClose = nullptr;
    IButton* m_btnRegistryRemove = nullptr;
    IButton* m_btnRegistryAdd = nullptr;
    IButton* m_btnAdvanced = nullptr;
    // The resource id of the program's icon.
    int m_iconId;
};
