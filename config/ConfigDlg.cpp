// The main dialog's routing: each command and notification goes to the
// model, and the ways out save through it.
#include "config/ConfigDlg.h"

#include "config/ConfigDialogTemplate.h"
#include "config/ConfigResources.h"

using namespace config;

namespace {
constexpr char SaveQuestion[] = "Do you want to save changes before exiting?";
}  // namespace

CConfigDlg::CConfigDlg(Platform& platform, CProfileStore& profile)
    : CDialog(ConfigDialogTemplate()),
      m_messages(platform.messages, m_nModalOpen),
      m_platform{platform.files, platform.registry, platform.links, platform.shell,
                 platform.clock, platform.keyboard, platform.screen, m_messages, platform.processors, platform.session,
                 platform.processes},
      m_profile(profile),
      m_lists(m_platform, *this),
      m_iconId(IdiConfig) {
    for (int command : {IdcAdd, IdcRemove, IdcAdvanced, IdcCloseAdvanced, IdcRegistryAdd, IdcRegistryRemove, IdcBasic,
                        IdcManagerUp, IdcManagerDown, IdcStartupUp, IdcStartupDown, IdPopupDelete, IdPopupProperties,
                        IdPopupExplore, IdPopupRefresh, IdViewRefresh, IdViewOptions, IdViewLastStartup, IdFileNew,
                        IdFileRestore, IdViewExplore, IdHelpAbout, IdHelpContents, IdAppExit})
        On(Notify::Command, command, &CConfigDlg::OnCommand);
    for (int list : {IdcManagerList, IdcStartupList, IdcRunList, IdcRunServicesList}) {
        On(Notify::ItemChanged, list, &CConfigDlg::OnListItemChanged);
        On(Notify::KeyDown, list, &CConfigDlg::OnListKeyDown);
        On(Notify::DblClk, list, &CConfigDlg::OnListDblClk);
    }
}

// A command may change a list's selection row by row (Wine tells of every
// selected row deleted, and an add selects what it brought in): the arrows
// follow once it is done, not at each row.
void CConfigDlg::OnCommand(const UiEvent& event) {
    ++m_nCommandsRunning;
    RunCommand(event.id);
    if (--m_nCommandsRunning > 0) return;
    UpdateArrows(m_lists.manager);
    UpdateArrows(m_lists.startup);
}

void CConfigDlg::RunCommand(int id) {
    switch (id) {
    case IdcAdd: return m_lists.AddFiles();
    case IdcRemove: return m_lists.RemoveFiles();
    case IdcRegistryAdd: return m_lists.TakeRegistryValues();
    case IdcRegistryRemove: return m_lists.PutBackInRegistry();
    case IdcManagerUp: return m_lists.MoveSelectedRow(m_lists.manager, -1);
    case IdcManagerDown: return m_lists.MoveSelectedRow(m_lists.manager, 1);
    case IdcStartupUp: return m_lists.MoveSelectedRow(m_lists.startup, -1);
    case IdcStartupDown: return m_lists.MoveSelectedRow(m_lists.startup, 1);
    case IdFileRestore: return m_lists.Restore();
    case IdPopupDelete:
        if (m_pContextList != nullptr) m_lists.DeleteSelected(*m_pContextList);
        return;
    case IdPopupProperties:
        // The context menu offers Properties only while one row is selected.
        if (m_pContextList != nullptr) ShowProperties(*m_pContextList);
        return;
    case IdPopupRefresh:
        if (m_pContextList != nullptr) m_lists.Fill(*m_pContextList);
        return;
    case IdViewRefresh: return m_lists.RefillAll();
    case IdcAdvanced: return ShowAdvanced(true);
    case IdcBasic: return ShowAdvanced(false);
    case IdcCloseAdvanced: return OnOK();
    // Exit reaches the application object, whose default sends WM_CLOSE.
    case IdAppExit: return OnClose();
    case IdViewExplore:
        m_pContextList = &m_lists.manager;
        return OnExplore();
    case IdPopupExplore: return OnExplore();
    case IdViewOptions: return OnOptions();
    case IdViewLastStartup: return OnLastStartup();
    case IdFileNew: return OnNewShortcut();
    case IdHelpAbout: return OnAbout();
    case IdHelpContents: return ShowHelp();
    }
}

void CConfigDlg::BindControls() {
    IDialogWindow& w = Window();
    m_lists.manager.id = IdcManagerList;
    m_lists.startup.id = IdcStartupList;
    m_lists.run.id = IdcRunList;
    m_lists.runServices.id = IdcRunServicesList;
    for (ItemList* list : m_lists.Lists()) list->view = &w.ListView(list->id);
    m_btnBasic = &w.Button(IdcBasic);
    m_btnClose = &w.Button(IdcClose);
    m_btnRegistryRemove = &w.Button(IdcRegistryRemove);
    m_btnRegistryAdd = &w.Button(IdcRegistryAdd);
    m_btnAdvanced = &w.Button(IdcAdvanced);
    // The bitmap buttons get their images later in start-up; the pointers are
    // bound here so that no notification meets them unbound.
    m_btnAdd = &w.Button(IdcAdd);
    m_btnRemove = &w.Button(IdcRemove);
    m_lists.manager.up = &w.Button(IdcManagerUp);
    m_lists.manager.down = &w.Button(IdcManagerDown);
    m_lists.startup.up = &w.Button(IdcStartupUp);
    m_lists.startup.down = &w.Button(IdcStartupDown);
}

std::string CConfigDlg::GetItemPath(int listId, int row) const {
    const ItemList* list = m_lists.ListOf(listId);
    if (list == nullptr || row < 0 || row >= list->Count()) return std::string();
    const ItemRow& item = list->rows[row];
    return item.path.empty() ? item.command : item.path;
}

std::size_t CConfigDlg::PlaceCount(int listId) const {
    const ItemList* list = m_lists.ListOf(listId);
    return list == nullptr ? 0 : list->places.size();
}

void CConfigDlg::OnOK() {
    m_lists.Save();
    EndDialog(win::IdOk);
}

// Moves made in the dialog have already happened, so even Escape brings the
// Run value in line: items taken out of the Windows Startup folder would
// otherwise never start again. Escape is easily pressed by mistake: with
// changes not saved yet it asks, and Cancel stays in the dialog.
void CConfigDlg::OnCancel() {
    if (m_lists.Modified()) {
        const int answer = m_platform.messages.Show(SaveQuestion, win::MbYesNoCancel | win::MbIconStop);
        if (answer == win::IdCancel) return;
        if (answer == win::IdYes) return OnOK();
    }
    m_lists.RegisterRunner();
    EndDialog(win::IdCancel);
}

void CConfigDlg::OnClose() {
    if (m_lists.Modified() && m_platform.messages.Show(SaveQuestion, win::MbYesNo | win::MbIconStop) == win::IdYes) {
        OnOK();
        return;
    }
    m_lists.RegisterRunner();
    // The default WM_CLOSE ends the dialog as IDCANCEL, without going through
    // OnCancel a second time.
    EndDialog(win::IdCancel);
}

void CConfigDlg::PreTranslateKeyDown(int virtualKey) {
    if (virtualKey == win::VkF5) m_lists.RefillAll();
    if (virtualKey == win::VkF1) ShowHelp();
}

// Not under an open question; the refill keeps what is not saved yet.
void CConfigDlg::OnTimer(unsigned timerId) {
    if (timerId != m_nRefreshTimer || m_nModalOpen > 0) return;
    if (m_lists.ManagerDirChanged()) {
        m_lists.Fill(m_lists.manager);
        Window().KillTimer(m_nRefreshTimer);
    }
}

void CConfigDlg::OnListItemChanged(const UiEvent& event) {
    ItemList& list = *m_lists.ListOf(event.id);
    if (m_nCommandsRunning == 0) UpdateArrows(list);
    if (!list.IsRegistry() || m_bSyncingSelection) return;
    // One selection across the registry lists. Clearing another list
    // notifies again; the guard lets that pass.
    m_bSyncingSelection = true;
    for (ItemList* other : m_lists.Lists())
        if (other != &list && other->IsRegistry())
            for (int row = other->view->NextSelected(-1); row != -1; row = other->view->NextSelected(row))
                other->view->SetSelected(row, false);
    m_bSyncingSelection = false;
}

void CConfigDlg::OnListKeyDown(const UiEvent& event) {
    ItemList& list = *m_lists.ListOf(event.id);
    // Alt with an arrow moves the selected row as the arrow buttons do.
    if (event.alt && list.up != nullptr && (event.key == win::VkUp || event.key == win::VkDown))
        return m_lists.MoveSelectedRow(list, event.key == win::VkUp ? -1 : 1);
    if (event.key == win::VkDelete) m_lists.DeleteSelected(list);
    // Enter on a row opens its properties, as a double-click does.
    if (event.key == win::VkReturn) ShowPropertiesOfOne(list);
}

void CConfigDlg::OnListDblClk(const UiEvent& event) { ShowPropertiesOfOne(*m_lists.ListOf(event.id)); }

void CConfigDlg::OnContextMenu(int controlId, int x, int y) {
    ItemList* list = m_lists.ListOf(controlId);
    if (list == nullptr) return;
    ItemList* previous = m_pContextList;
    m_pContextList = list;
    const int selected = list->view->SelectedCount();
    const std::vector<MenuState> states{
        {IdPopupExplore, true},
        {IdPopupRefresh, true},
        {IdPopupProperties, selected == 1},
        {IdPopupDelete, selected > 0},
    };
    // A menu that could not be loaded leaves everything as it was.
    if (!Window().TrackPopupMenu(ConfigPopupMenu(), states, x, y)) m_pContextList = previous;
}

void CConfigDlg::ShowAdvanced(bool advanced) {
    const WindowPlacement& p = advanced ? m_advancedPlacement : m_basicPlacement;
    Window().MoveTo(p.x, p.y, p.width, p.height);
    // The registry lists stay shown: the basic view's narrower window cuts them off.
    m_btnAdvanced->Show(!advanced);
    m_btnBasic->Show(advanced);
    m_btnRegistryAdd->Show(advanced);
    m_btnRegistryRemove->Show(advanced);
    m_btnClose->Show(!advanced);
}
