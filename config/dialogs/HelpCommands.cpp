// Help > Contents and Help > About.
#include "config/ConfigDlg.h"
#include "config/dialogs/AboutDlg.h"
#include "config/dialogs/HelpChoiceDlg.h"

void CConfigDlg::OnHelpContents() {
    WinHelp();
}

void CConfigDlg::WinHelp() {
    const std::string path = LocalHelpPath(m_platform.files);
    FileEntry entry;
    if (!m_platform.files.Lookup(path, entry)) {
        m_platform.messages.Show(path + "\n\nThe help file could not be found.", win::MbOk);
        return;
    }
    CHelpChoiceDlg dialog(m_platform);
    RunChild(dialog);
}

void CConfigDlg::OnAbout() {
    CAboutDlg dialog(m_platform);
    RunChild(dialog);
}
