// ADD and REMOVE: files moved between the manager directory and the Windows
// Startup folder, their rows and paths with them.
#include "config/ConfigDlg.h"
#include "config/transfer/Confirmations.h"
#include "config/transfer/FileTransfer.h"
#include "config/transfer/SelectedRows.h"

void CConfigDlg::OnAdd() {
    m_bModified = true;
    MoveSelectedFiles(m_listStartup, m_listManager, m_strSourceStartup);
}

void CConfigDlg::OnRemove() {
    m_bModified = true;
    MoveSelectedFiles(m_listManager, m_listStartup, std::nullopt);
}

void CConfigDlg::MoveSelectedFiles(ItemList& from, ItemList& to, const std::optional<std::string>& source) {
    ForEachSelectedRow(*from.view, [&](int row) {
        const std::string name = from.view->ItemText(row, 0);
        // Only a manager row carries a Source.
        if (from.columns > 1 && HasRegistrySource(from.view->ItemText(row, 1)) && !ConfirmSourceLoss(m_platform.messages))
            return false;
        std::string destination;
        if (!MoveItemFile(m_platform.files, m_platform.messages, from.paths[row], to.place, destination)) return false;
        DeleteRowsOf(to, destination);  // a file the user chose to replace
        InsertRow(to, to.view->Count(), name, destination, source);
        DeleteRow(from, row);
        return true;
    });
}
