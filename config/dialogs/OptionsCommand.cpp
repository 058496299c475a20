// View > Options...: the runner's options, stored for its next start.
#include "config/ConfigDlg.h"
#include "config/dialogs/OptionsDlg.h"

void CConfigDlg::OnOptions() {
    COptionsDlg dialog(m_profile, m_platform.messages);
    RunChild(dialog);
}
