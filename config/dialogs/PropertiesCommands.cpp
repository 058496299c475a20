// The properties of one row: a double-click, or Properties of the context menu.
#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/Shortcuts.h"
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"
#include "config/WaitColumn.h"
#include "config/dialogs/MgrPropDlg.h"
#include "config/dialogs/RegPropDlg.h"
#include "config/dialogs/StartupPropDlg.h"

void CConfigDlg::OnDblClkManager() { ShowPropertiesOfOne(m_listManager); }
void CConfigDlg::OnDblClkStartup() { ShowPropertiesOfOne(m_listStartup); }
void CConfigDlg::OnDblClkRun() { ShowPropertiesOfOne(m_listRun); }
void CConfigDlg::OnDblClkRunServices() { ShowPropertiesOfOne(m_listRunServices); }

void CConfigDlg::ShowPropertiesOfOne(ItemList& list) {
    if (list.view->SelectedCount() == 1) ShowProperties(list);
}

// The context menu offers Properties only while one row is selected.
void CConfigDlg::OnPopupProperties() {
    if (m_pContextList) ShowProperties(*m_pContextList);
}

void CConfigDlg::ShowProperties(ItemList& list) {
    if (list.view->NextSelected(-1) < 0) return;
    switch (list.kind) {
    case ListKind::Manager: return ShowManagerProperties();
    case ListKind::RegistryKey: return ShowRegistryProperties(list);
    case ListKind::Folder: return ShowStartupProperties(list);
    }
}

void CConfigDlg::ShowManagerProperties() {
    const int row = m_listManager.view->NextSelected(-1);
    CMgrPropDlg dialog(m_platform.messages);
    dialog.m_strName = RowTitle(m_listManager, row);
    dialog.m_strPath = GetItemPath(m_listManager.id, row);
    dialog.m_strSource = m_listManager.view->ItemText(row, 1);
    ManagerLine fields;
    fields.extras = m_listManager.rows[row].extras;
    dialog.m_bIdle = HasExtraField(fields, IdleField);
    dialog.m_strWait = WaitOfColumn(m_listManager.view->ItemText(row, 2), dialog.m_bIdle);
    // A shortcut starts its target; any other file is itself what starts.
    std::string workingDirectory, description;
    if (UpperCopy(ExtensionOf(dialog.m_strPath)) != "LNK")
        dialog.m_strProgram = "This item itself";
    else if (!ReadShortcut(m_platform.links, m_platform.messages, dialog.m_strPath, dialog.m_strProgram,
                           dialog.m_strArguments, workingDirectory, description))
        dialog.m_strProgram = "(The shortcut could not be read.)";
    if (RunChild(dialog) != win::IdOk) return;
    m_bModified = true;
    SetExtraField(fields, IdleField, dialog.m_bIdle);
    m_listManager.rows[row].extras = fields.extras;
    m_listManager.view->SetItemText(row, 2, WaitColumnText(dialog.m_nWait <= 0 ? "" : IntToString(dialog.m_nWait), dialog.m_bIdle));
}

void CConfigDlg::ShowStartupProperties(ItemList& list) {
    const int row = list.view->NextSelected(-1);
    CStartupPropDlg dialog;
    dialog.m_strName = RowTitle(list, row);
    dialog.m_strPath = GetItemPath(list.id, row);
    RunChild(dialog);
}

void CConfigDlg::ShowRegistryProperties(ItemList& list) {
    const int row = list.view->NextSelected(-1);
    CRegPropDlg dialog;
    dialog.m_strName = RowTitle(list, row);
    dialog.m_strLocation = RegistryItemsText(list.PlaceOf(row));
    dialog.m_strCommandLine = GetItemPath(list.id, row);
    RunChild(dialog);
}
