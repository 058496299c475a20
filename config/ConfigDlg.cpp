#include "config/ConfigDlg.h"

#include "config/ConfigDialogTemplate.h"
#include "config/ConfigResources.h"

using namespace config;

CConfigDlg::CConfigDlg(Platform& platform, CProfileStore& profile)
    : CDialog(ConfigDialogTemplate()), m_platform(platform), m_profile(profile), m_hIcon(IdiConfig) {
    On(Notify::Command, IdcAdd, [this] { OnAdd(); });
    On(Notify::Command, IdcRemove, [this] { OnRemove(); });
    On(Notify::Command, IdcAdvanced, [this] { ShowAdvanced(true); });
    On(Notify::Command, IdcCloseAdvanced, [this] { OnOK(); });
    On(Notify::Command, IdcRegistryAdd, [this] { OnRegistryAdd(); });
    On(Notify::Command, IdcRegistryRemove, [this] { OnRegistryRemove(); });
    On(Notify::Command, IdcBasic, [this] { ShowAdvanced(false); });
    On(Notify::Command, IdcManagerUp, [this] { OnManagerUp(); });
    On(Notify::Command, IdcManagerDown, [this] { OnManagerDown(); });
    On(Notify::Command, IdcStartupUp, [this] { OnStartupUp(); });
    On(Notify::Command, IdcStartupDown, [this] { OnStartupDown(); });
    for (int list : {IdcManagerList, IdcStartupList, IdcRunList, IdcRunServicesList}) {
        On(Notify::ItemChanged, list, [this, list] { OnListItemChanged(list); });
        OnKey(list, [this, list](int key) { OnListKeyDown(*ListById(list), key); });
    }
    On(Notify::Command, IdPopupDelete, [this] { OnPopupDelete(); });
    On(Notify::Command, IdPopupProperties, [this] { OnPopupProperties(); });
    On(Notify::DblClk, IdcManagerList, [this] { OnDblClkManager(); });
    On(Notify::DblClk, IdcStartupList, [this] { OnDblClkStartup(); });
    On(Notify::DblClk, IdcRunList, [this] { OnDblClkRun(); });
    On(Notify::DblClk, IdcRunServicesList, [this] { OnDblClkRunServices(); });
    On(Notify::Command, IdPopupExplore, [this] { OnExplore(); });
    On(Notify::Command, IdPopupRefresh, [this] { RefreshContextList(); });
    On(Notify::Command, IdViewRefresh, [this] { RefreshAll(); });
    On(Notify::Command, IdViewOptions, [this] { OnOptions(); });
    On(Notify::Command, IdFileNew, [this] { OnNewShortcut(); });
    On(Notify::Command, IdFileRestore, [this] { OnRestore(); });
    On(Notify::Command, IdViewExplore, [this] { OnViewExplore(); });
    On(Notify::Command, IdHelpAbout, [this] { OnAbout(); });
    On(Notify::Command, IdHelpContents, [this] { OnHelpContents(); });
    // Exit reaches the application object, whose default sends WM_CLOSE.
    On(Notify::Command, IdAppExit, [this] { OnClose(); });
}

void CConfigDlg::DoDataExchange() {
    IDialogWindow& w = Window();
    m_listRun = &w.ListView(IdcRunList);
    m_listRunServices = &w.ListView(IdcRunServicesList);
    m_btnBasic = &w.Button(IdcBasic);
    m_listStartup = &w.ListView(IdcStartupList);
    m_listManager = &w.ListView(IdcManagerList);
    m_btnClose = &w.Button(IdcClose);
    m_btnCloseAdvanced = &w.Button(IdcCloseAdvanced);
    m_btnRegistryRemove = &w.Button(IdcRegistryRemove);
    m_btnRegistryAdd = &w.Button(IdcRegistryAdd);
    m_btnAdvanced = &w.Button(IdcAdvanced);
    // The bitmap buttons get their images later in start-up; the pointers are
    // bound here so that no notification meets them unbound.
    m_btnAdd = &w.Button(IdcAdd);
    m_btnRemove = &w.Button(IdcRemove);
    m_btnManagerUp = &w.Button(IdcManagerUp);
    m_btnManagerDown = &w.Button(IdcManagerDown);
    m_btnStartupUp = &w.Button(IdcStartupUp);
    m_btnStartupDown = &w.Button(IdcStartupDown);
}

IListView* CConfigDlg::ListById(int listId) {
    switch (listId) {
    case IdcManagerList: return m_listManager;
    case IdcStartupList: return m_listStartup;
    case IdcRunList: return m_listRun;
    case IdcRunServicesList: return m_listRunServices;
    default: return nullptr;
    }
}
