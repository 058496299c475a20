// File > Restore: every manager item whose origin is recorded goes back
// there; the pass goes on past failures and sums up at the end.
#include "config/ConfigDlg.h"
#include "config/InUseAdvice.h"
#include "config/transfer/Restore.h"

void CConfigDlg::OnRestore() {
    IMessageBoxes& messages = m_platform.messages;
    IListView& manager = *m_listManager.view;
    if (manager.Count() == 0) {
        messages.Show(std::string("There are no items in the manager directory.\n") +
                          "Restore is used to return items in the manager to their\n" + "original locations.",
                      win::MbIconExclamation);
        return;
    }
    if (messages.Show("Are you sure you want to restore all items\nto their original locations?",
                      win::MbYesNoCancel | win::MbIconQuestion) != win::IdYes)
        return;
    m_bModified = true;
    bool noneMarked = true;
    bool notAllMoved = false;
    for (int row = 0; row < manager.Count(); ++row) {
        std::size_t place = 0;
        ItemList* to = ListForSource(manager.ItemText(row, 1), place);
        if (to == nullptr) continue;
        noneMarked = false;
        const std::string name = RowTitle(m_listManager, row);
        const RestoreStep step = RestoreItem(m_platform, name, m_listManager.rows[row].path, to->places[place]);
        if (step.result != Restored::Yes) notAllMoved = true;
        if (step.result == Restored::No) continue;
        HandOver(m_listManager, row--, *to, place, step.path, {name});
    }
    if (noneMarked) messages.Show("No files are marked with original locations.", win::MbIconExclamation);
    else if (notAllMoved) messages.Show(std::string("Not all files were moved.\n\n") + InUseAdvice, win::MbIconExclamation);
}
