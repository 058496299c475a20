#include "runner/RunnerDlg.h"

#include "common/ManagerInfo.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "runner/RunnerDialogTemplate.h"
#include "runner/RunnerIds.h"

using namespace runner;

const char* const CRunnerDlg::FirstRunMessage =
    "OrvaneConfig must be run at least once before this\n"
    "program may be used.";
const char* const CRunnerDlg::RunError = "There was an error running this program.";
const char* const CRunnerDlg::WaitsUnreadable = "\nThere was an error reading this file.  Wait times will not be used.";
const char* const CRunnerDlg::JumpQuestion =
    "You selected another program.  Are you sure you want\n"
    "to start running the programs starting at that point?";
const char* const CRunnerDlg::ScrollLockOn = "Cannot continue, Scroll Lock is on.";

CRunnerDlg::CRunnerDlg(Platform& platform)
    : CDialog(RunnerDialogTemplate()),
      m_platform(platform),
      m_bmpStopped(IdbStopped),
      m_bmpWaiting(IdbWaiting),
      m_bmpGo(IdbGo),
      m_hIcon(IdiRunner) {
    On(Notify::Command, IdcPause, &CRunnerDlg::OnPause);
    On(Notify::Command, IdcSkip, &CRunnerDlg::OnSkip);
    On(Notify::Command, IdcRunNow, &CRunnerDlg::OnRunNow);
    On(Notify::Command, IdcNoWait, &CRunnerDlg::OnNoWait);
    On(Notify::Command, IdcRunNone, &CRunnerDlg::OnRunNone);
    On(Notify::SelChange, IdcRunList, &CRunnerDlg::OnSelChangeRunList);
    On(Notify::DblClk, IdcRunList, &CRunnerDlg::OnDblClkRunList);
}

bool CRunnerDlg::OnInitDialog() {
    Window().SetIcon(m_hIcon);
    m_strRunError = RunError;

    const RunnerSettings settings = ReadRunnerSettings(m_platform.registry);
    if (settings.keyOpened) {
        m_strIniPath = settings.iniPath;
        m_strConfigPath = settings.configPath;
        m_nPlacement = settings.placement;
        m_bMinimized = settings.minimized;
        Window().Button(IdcCloseWhenFinished).SetCheck(settings.closeWhenFinished != 0 ? 1 : 0);
    }
    m_nIdleBusyPercent = settings.idleBusyPercent;
    m_nIdleSeconds = settings.idleSeconds;
    m_nIdleLongest = settings.idleLongest;
    if (m_strConfigPath.empty() || m_strIniPath.empty()) {
        m_platform.messages.Show(FirstRunMessage, win::MbIconExclamation);
        EndDialog(win::IdCancel);
        return true;
    }

    if (!BuildRunList()) {
        EndDialog(win::IdCancel);
        return true;
    }

    LookAtPlaces();
    PlaceWindow();
    if (m_bMinimized != 0) Window().Minimize();
    StartRun();
    return true;
}

// The items run in the order of their lines in the manager information file,
// which is the user's order on any file system; items without a line follow
// in directory order.
bool CRunnerDlg::BuildRunList() {
    std::vector<FileEntry> files;
    for (const FileEntry& entry : m_platform.files.Find(m_strConfigPath + "Startup\\*.*"))
        if (!entry.IsDirectory()) files.push_back(entry);
    if (files.empty()) return false;

    const ItemNames names = NamesOf(files);
    std::vector<PairedItem> items;
    if (!ReadWaitTimes(m_platform.files, m_strIniPath, names.titles, items, names.files))
        m_platform.messages.Show(m_strIniPath + WaitsUnreadable, win::MbIconExclamation);
    IListBox& list = Window().ListBox(IdcRunList);
    for (std::size_t item : ManagerOrder(items)) {
        list.AddString(names.titles[item]);
        m_listNames.push_back(names.titles[item]);
        m_listPaths.push_back(files[item].path);
        m_listWaits.push_back(items[item].fields.wait);
        m_listIdle.push_back(HasExtraField(items[item].fields, IdleField));
    }
    return true;
}

void CRunnerDlg::PlaceWindow() {
    const Rect screen = m_platform.screen.Desktop();
    // Still at the screen origin: right and bottom are the window's size.
    const Rect window = Window().WindowRect();
    int x = 0, y = 0;
    if (m_nPlacement == 1) {
        x = IntDivide(screen.right, 2) - IntDivide(window.right, 2);
        y = IntDivide(screen.bottom, 2) - IntDivide(window.bottom, 2);
    } else if (m_nPlacement != 0) {
        Rect workArea = screen;
        m_platform.screen.WorkArea(workArea);
        y = workArea.bottom - window.bottom;
    }
    Window().MoveTo(x, y, window.right, window.bottom);
}
