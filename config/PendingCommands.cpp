// Commands routed by the dialog whose work is not built yet: item properties,
// runner options, Explore, Help and About. Each moves to its own file with
// its behaviour.
#include "config/ConfigDlg.h"

void CConfigDlg::OnPopupProperties() {}
void CConfigDlg::OnDblClkManager() {}
void CConfigDlg::OnDblClkStartup() {}
void CConfigDlg::OnDblClkRun() {}
void CConfigDlg::OnDblClkRunServices() {}
void CConfigDlg::OnExplore() {}
void CConfigDlg::OnViewExplore() {}
void CConfigDlg::OnOptions() {}
void CConfigDlg::OnAbout() {}
void CConfigDlg::OnHelpContents() {}
