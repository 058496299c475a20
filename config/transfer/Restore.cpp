// File > Restore: every manager item whose origin is recorded goes back
// there; the pass goes on past failures and sums up at the end.
#include "common/FileMove.h"
#include "common/PathHelpers.h"
#include "config/ConfigDlg.h"
#include "config/transfer/TransferTexts.h"

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
        const std::string source = manager.ItemText(row, 1);
        if (source == m_strSourceStartup) {
            noneMarked = false;
            const std::string path = m_listManager.paths[row];
            const std::string destination = m_strStartupFolder + FileNameOf(path);
            // A file already gone has nothing to carry: its row is still handed over.
            FileEntry file;
            if (!MoveFileConfirmed(m_platform.files, messages, path, destination) && m_platform.files.Lookup(path, file)) {
                notAllMoved = true;
                continue;
            }
            DeleteRowsOf(m_listStartup, destination);  // a file the user chose to replace
            InsertRow(m_listStartup, m_listStartup.view->Count(), manager.ItemText(row, 0), destination);
            DeleteRow(m_listManager, row--);
        } else if (source == m_strSourceRun || source == m_strSourceServices) {
            noneMarked = false;
            // A value written whose shortcut stayed has left the list too:
            // the next row has slid into this place.
            const int rows = manager.Count();
            if (!MoveItemToRegistry(row)) notAllMoved = true;
            if (manager.Count() < rows) --row;
        }
    }
    if (noneMarked) messages.Show("No files are marked with original locations.", win::MbIconExclamation);
    else if (notAllMoved) messages.Show(std::string("Not all files were moved.\n\n") + InUseAdvice, win::MbIconExclamation);
}
