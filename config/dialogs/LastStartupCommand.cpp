// View > Last Start-up...: what the runner did at its last start.
#include "config/ConfigDlg.h"
#include "config/dialogs/LastStartupDlg.h"

void CConfigDlg::OnLastStartup() {
    CLastStartupDlg dialog(m_platform.files, m_strIniPath);
    RunChild(dialog);
}
