// ADD and REMOVE: files moved between the manager directory and the Windows
// Startup folder, their rows with them.
#include "config/ConfigDlg.h"
#include "config/transfer/FileTransfer.h"
#include "config/transfer/SelectedRows.h"

void CConfigDlg::OnAdd() {
    m_bModified = true;
    MoveSelectedFiles(m_listStartup, m_listManager);
}

void CConfigDlg::OnRemove() {
    m_bModified = true;
    MoveSelectedFiles(m_listManager, m_listStartup);
}

void CConfigDlg::MoveSelectedFiles(ItemList& from, ItemList& to) {
    ForEachSelectedRow(*from.view, [&](int row) {
        bool goOn = true;
        if (TakesInAgain(from, row, goOn)) return goOn;
        const std::string source = from.CarriesSource() ? from.view->ItemText(row, 1) : std::string();
        // A manager item goes back to the folder it came from.
        std::size_t place = 0;
        if (ListForSource(source, place) != &to) place = 0;
        std::string destination;
        if (!MoveItemToFolder(m_platform, from.rows[row].path, source, to.places[place].path, destination)) return false;
        std::vector<std::string> texts{RowTitle(from, row)};
        // The manager records where the item came from.
        if (to.CarriesSource()) texts.push_back(from.PlaceOf(row).sourceTag);
        HandOver(from, row, to, place, destination, texts);
        return true;
    });
}
