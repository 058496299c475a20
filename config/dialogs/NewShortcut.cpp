// New Shortcut: the system's wizard makes the shortcut in the manager
// directory, and the polling timer picks it up once it is there.
#include "config/ConfigDlg.h"
#include "config/ConfigResources.h"

void CConfigDlg::OnNewShortcut() {
    if (!m_platform.shell.ExecuteEx("", "rundll32.exe", "AppWiz.Cpl,NewLinkHere " + m_strManagerDir, m_strManagerDir,
                                    win::SwShowNormal))
        m_platform.messages.Show("Could not start New Shortcut Wizard.", win::MbOk);
    m_nRefreshTimer = Window().SetTimer(config::RefreshTimerId, config::RefreshTimerPeriod);
}
