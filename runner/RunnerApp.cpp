#include "runner/RunnerApp.h"

#include "runner/RunnerDlg.h"

bool CRunnerApp::InitInstance() {
    // One runner a log-on session: with the entry in both Run keys (an
    // older version's in the machine's), Windows starts two, and the second
    // must launch nothing.
    if (!m_platform.session.ClaimOnce("Orvane.Runner")) return false;
    CRunnerDlg dialog(m_platform);
    m_runModal(dialog);
    // The watch's 15 seconds first: a window shown late would stay up over
    // what the user does; the measures then finish their minute.
    dialog.FinishWatch();
    dialog.FinishMeasuring();
    return false;
}
