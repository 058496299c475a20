// "<-- Add" and "Remove -->": registry values turned into shortcuts in the
// manager and back, their rows with them.
#include "config/ConfigDlg.h"
#include "config/dialogs/RegLocationDlg.h"
#include "config/transfer/RegistryTransfer.h"
#include "config/transfer/Restore.h"
#include "config/transfer/SelectedRows.h"

void CConfigDlg::OnRegistryAdd() {
    ItemList* from = nullptr;
    for (ItemList* list : Lists())
        if (from == nullptr && list->IsRegistry() && list->view->SelectedCount() > 0) from = list;
    if (from == nullptr) return;
    int top = 0;  // several values keep their order at the top
    ForEachSelectedRow(*from->view, [&](int row) {
        bool goOn = true;
        if (TakesInAgain(*from, row, goOn)) return goOn;
        std::string name = from->view->ItemText(row, 0);
        const ItemPlace& origin = from->PlaceOf(row);
        if (!TakeRegistryValue(m_platform, origin, m_strManagerDir, name, from->rows[row].path)) return false;
        // Added items go to the top, where the user sees them.
        HandOver(*from, row, m_listManager, 0, m_strManagerDir + name + ".lnk", {name, origin.sourceTag}, top++);
        m_bModified = m_listManager.orderChanged = true;
        return true;
    });
}

void CConfigDlg::OnRegistryRemove() {
    ForEachSelectedRow(*m_listManager.view, [this](int row) { return MoveItemToRegistry(row); });
}

bool CConfigDlg::MoveItemToRegistry(int row) {
    const std::string name = RowTitle(m_listManager, row);
    if (!CheckIsShortcut(m_platform, name, m_listManager.rows[row].path)) return false;
    std::size_t place = 0;
    ItemList* to = RegistryListFor(row, place);
    if (to == nullptr) return false;
    const RestoreStep step = RestoreItem(m_platform, name, m_listManager.rows[row].path, to->places[place]);
    if (step.result == Restored::No) return false;
    m_bModified = true;
    HandOver(m_listManager, row, *to, place, step.path, {name});
    return step.result == Restored::Yes;
}

ItemList* CConfigDlg::RegistryListFor(int row, std::size_t& place) {
    ItemList* list = ListForSource(m_listManager.view->ItemText(row, 1), place);
    if (list != nullptr && list->IsRegistry()) return list;
    CRegLocationDlg location;
    location.m_strItemName = RowTitle(m_listManager, row);
    if (RunChild(location) != win::IdOk) return nullptr;
    if (location.m_bUserRunChecked) return ListForSource("UserRun", place);
    place = 0;
    return location.m_bRunServicesChecked ? &m_listRunServices : &m_listRun;
}
