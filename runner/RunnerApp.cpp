#include "runner/RunnerApp.h"

#include "runner/RunnerDlg.h"

bool CRunnerApp::InitInstance() {
    // One runner a log-on session: with the entry in both Run keys (an
    // older version's in the machine's), Windows starts two, and the second
    // must launch nothing.
    if (!m_platform.session.ClaimOnce("Orvane.Runner")) return false;
    CRunnerDlg dialog(m_platform);
    m_runModal(dialog);
    dialog.FinishMeasuring();
    return false;
}
