#include "config/ConfigDlg.h"

#include "config/ConfigDialogTemplate.h"
#include "config/ConfigResources.h"

using namespace config;

CConfigDlg::CConfigDlg(Platform& platform, CProfileStore& profile)
    : CDialog(ConfigDialogTemplate()),
      m_messages(platform.messages, m_nModalOpen),
      m_platform{platform.files, platform.registry, platform.links, platform.shell,
                 platform.clock, platform.keyboard, platform.screen, m_messages, platform.processors},
      m_profile(profile),
      m_hIcon(IdiConfig) {
    On(Notify::Command, IdcAdd, &CConfigDlg::OnAdd);
    On(Notify::Command, IdcRemove, &CConfigDlg::OnRemove);
    On(Notify::Command, IdcAdvanced, &CConfigDlg::OnShowAdvanced);
    On(Notify::Command, IdcCloseAdvanced, &CConfigDlg::OnOK);
    On(Notify::Command, IdcRegistryAdd, &CConfigDlg::OnRegistryAdd);
    On(Notify::Command, IdcRegistryRemove, &CConfigDlg::OnRegistryRemove);
    On(Notify::Command, IdcBasic, &CConfigDlg::OnShowBasic);
    On(Notify::Command, IdcManagerUp, &CConfigDlg::OnManagerUp);
    On(Notify::Command, IdcManagerDown, &CConfigDlg::OnManagerDown);
    On(Notify::Command, IdcStartupUp, &CConfigDlg::OnStartupUp);
    On(Notify::Command, IdcStartupDown, &CConfigDlg::OnStartupDown);
    for (int list : {IdcManagerList, IdcStartupList, IdcRunList, IdcRunServicesList}) {
        On(Notify::ItemChanged, list, &CConfigDlg::OnListItemChanged);
        On(Notify::KeyDown, list, &CConfigDlg::OnListKeyDown);
    }
    On(Notify::Command, IdPopupDelete, &CConfigDlg::OnPopupDelete);
    On(Notify::Command, IdPopupProperties, &CConfigDlg::OnPopupProperties);
    On(Notify::DblClk, IdcManagerList, &CConfigDlg::OnDblClkManager);
    On(Notify::DblClk, IdcStartupList, &CConfigDlg::OnDblClkStartup);
    On(Notify::DblClk, IdcRunList, &CConfigDlg::OnDblClkRun);
    On(Notify::DblClk, IdcRunServicesList, &CConfigDlg::OnDblClkRunServices);
    On(Notify::Command, IdPopupExplore, &CConfigDlg::OnExplore);
    On(Notify::Command, IdPopupRefresh, &CConfigDlg::RefreshContextList);
    On(Notify::Command, IdViewRefresh, &CConfigDlg::RefreshAll);
    On(Notify::Command, IdViewOptions, &CConfigDlg::OnOptions);
    On(Notify::Command, IdViewLastStartup, &CConfigDlg::OnLastStartup);
    On(Notify::Command, IdFileNew, &CConfigDlg::OnNewShortcut);
    On(Notify::Command, IdFileRestore, &CConfigDlg::OnRestore);
    On(Notify::Command, IdViewExplore, &CConfigDlg::OnViewExplore);
    On(Notify::Command, IdHelpAbout, &CConfigDlg::OnAbout);
    On(Notify::Command, IdHelpContents, &CConfigDlg::OnHelpContents);
    // Exit reaches the application object, whose default sends WM_CLOSE.
    On(Notify::Command, IdAppExit, &CConfigDlg::OnClose);
}

void CConfigDlg::DoDataExchange() {
    IDialogWindow& w = Window();
    m_listManager.id = IdcManagerList;
    m_listStartup.id = IdcStartupList;
    m_listRun.id = IdcRunList;
    m_listRunServices.id = IdcRunServicesList;
    for (ItemList* list : {&m_listManager, &m_listStartup, &m_listRun, &m_listRunServices})
        list->view = &w.ListView(list->id);
    m_btnBasic = &w.Button(IdcBasic);
    m_btnClose = &w.Button(IdcClose);
    m_btnCloseAdvanced = &w.Button(IdcCloseAdvanced);
    m_btnRegistryRemove = &w.Button(IdcRegistryRemove);
    m_btnRegistryAdd = &w.Button(IdcRegistryAdd);
    m_btnAdvanced = &w.Button(IdcAdvanced);
    // The bitmap buttons get their images later in start-up; the pointers are
    // bound here so that no notification meets them unbound.
    m_btnAdd = &w.Button(IdcAdd);
    m_btnRemove = &w.Button(IdcRemove);
    m_listManager.up = &w.Button(IdcManagerUp);
    m_listManager.down = &w.Button(IdcManagerDown);
    m_listStartup.up = &w.Button(IdcStartupUp);
    m_listStartup.down = &w.Button(IdcStartupDown);
}

std::vector<ItemList*> CConfigDlg::Lists() { return {&m_listManager, &m_listStartup, &m_listRun, &m_listRunServices}; }

ItemList* CConfigDlg::ListOf(int listId) {
    return const_cast<ItemList*>(static_cast<const CConfigDlg*>(this)->ListOf(listId));
}

const ItemList* CConfigDlg::ListOf(int listId) const {
    for (const ItemList* list : {&m_listManager, &m_listStartup, &m_listRun, &m_listRunServices})
        if (list->id == listId) return list;
    return nullptr;
}

void CConfigDlg::HandOver(ItemList& from, int row, ItemList& to, std::size_t place, const std::string& path,
                          const std::vector<std::string>& texts, int index) {
    DeleteRowsOf(to, place, to.IsRegistry() ? texts[0] : path);
    InsertRow(to, index < 0 ? to.Count() : index, texts, ItemRow{path, place, {}, false});
    DeleteRow(from, row);
    LabelRows(to);
    LabelRows(from);
}

ItemList* CConfigDlg::ListForSource(const std::string& source, std::size_t& place) {
    if (source.empty()) return nullptr;
    for (ItemList* list : Lists())
        for (place = 0; place < list->places.size(); ++place)
            if (list->places[place].sourceTag == source) return list;
    return nullptr;
}

int CConfigDlg::RunChild(CDialog& child) {
    ++m_nModalOpen;
    const int result = Window().RunChild(child);
    --m_nModalOpen;
    return result;
}
