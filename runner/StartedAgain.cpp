// A managed program that put itself back where Windows starts it is started
// by Windows already: a second start would run it twice.
#include "common/PathHelpers.h"
#include "common/StartedByWindows.h"
#include "runner/RunnerDlg.h"
#include "runner/RunnerIds.h"

using namespace runner;

bool CRunnerDlg::LeftToWindows() {
    if (RunKeyStartingAgain(m_platform.registry, m_platform.links, m_strCurrentPath).empty()) return false;
    // The line keeps its name, as the list shows it, and says why nothing started.
    const std::string file = FileNameOf(m_strCurrentPath);
    const std::string title = file.substr(0, file.rfind('.'));
    Window().ListBox(IdcRunList).SetLine(m_nCurrent, title + " - started by Windows itself");
    return true;
}
