#include "runner/RunnerApp.h"

#include "runner/RunnerDlg.h"

bool CRunnerApp::InitInstance() {
    CRunnerDlg dialog(m_platform);
    m_runModal(dialog);
    return false;
}
