// "<-- Add" and "Remove -->": registry values turned into shortcuts in the
// manager and back, their rows and paths with them.
#include "config/ConfigDlg.h"
#include "config/dialogs/RegLocationDlg.h"
#include "config/transfer/RegistryTransfer.h"
#include "config/transfer/SelectedRows.h"

void CConfigDlg::OnRegistryAdd() {
    ItemList* from = m_listRun.view->SelectedCount() > 0 ? &m_listRun
                   : m_listRunServices.view->SelectedCount() > 0 ? &m_listRunServices
                                                                  : nullptr;
    if (from == nullptr) return;
    ForEachSelectedRow(*from->view, [&](int row) {
        std::string name = from->view->ItemText(row, 0);
        if (!TakeRegistryValue(m_platform, from->place, m_strManagerDir, name, from->paths[row])) return false;
        // Added items go to the top, where the user sees them.
        InsertRow(m_listManager, 0, name, m_strManagerDir + name + ".lnk", from->sourceTag);
        DeleteRow(*from, row);
        m_bModified = m_bManagerOrderChanged = true;
        return true;
    });
}

void CConfigDlg::OnRegistryRemove() {
    ForEachSelectedRow(*m_listManager.view, [this](int row) { return MoveItemToRegistry(row); });
}

bool CConfigDlg::MoveItemToRegistry(int row) {
    const std::string name = m_listManager.view->ItemText(row, 0);
    const std::string path = m_listManager.paths[row];
    if (!CheckIsShortcut(m_platform, name, path)) return false;
    ItemList* to = RegistryListFor(row);
    if (to == nullptr) return false;
    std::string commandLine;
    bool replaced = false;
    const RegistryMove moved = PutShortcutInRegistry(m_platform, name, path, to->place, to->keyName, commandLine, replaced);
    if (moved == RegistryMove::NotMoved) return false;
    m_bModified = true;
    // The value that was replaced is gone: so is its row.
    if (replaced) DeleteRowsOf(*to, name);
    InsertRow(*to, to->view->Count(), name, commandLine);
    DeleteRow(m_listManager, row);
    return moved == RegistryMove::Moved;
}

CConfigDlg::ItemList* CConfigDlg::RegistryListFor(int row) {
    const std::string source = m_listManager.view->ItemText(row, 1);
    for (ItemList* list : {&m_listRun, &m_listRunServices})
        if (source == list->sourceTag) return list;
    CRegLocationDlg location;
    location.m_strItemName = m_listManager.view->ItemText(row, 0);
    if (RunChild(location) != win::IdOk) return nullptr;
    return location.m_bRunServicesChecked ? &m_listRunServices : &m_listRun;
}
