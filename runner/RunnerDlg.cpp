#include "runner/RunnerDlg.h"

#include "common/ManagedItems.h"
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
const char* const CRunnerDlg::OnBatteryNote = " - not started: on battery power";
const char* const CRunnerDlg::NotTodayNote = " - not started: not one of its days";
const char* const CRunnerDlg::NetworkWaitNote = " - waiting for the network";

CRunnerDlg::CRunnerDlg(Platform& platform)
    : CDialog(RunnerDialogTemplate()), m_platform(platform), m_sequencer(platform), m_iconId(IdiRunner) {
    On(Notify::Command, IdcPause, &CRunnerDlg::OnPause);
    On(Notify::Command, IdcSkip, &CRunnerDlg::OnSkip);
    On(Notify::Command, IdcRunNow, &CRunnerDlg::OnRunNow);
    On(Notify::Command, IdcNoWait, &CRunnerDlg::OnNoWait);
    On(Notify::Command, IdcRunNone, &CRunnerDlg::OnRunNone);
    On(Notify::SelChange, IdcRunList, &CRunnerDlg::OnSelChangeRunList);
    On(Notify::DblClk, IdcRunList, &CRunnerDlg::OnDblClkRunList);
}

bool CRunnerDlg::OnInitDialog() {
    Window().SetIcon(m_iconId);

    const RunnerSettings settings = ReadRunnerSettings(m_platform.registry);
    if (settings.keyOpened) {
        m_strIniPath = settings.iniPath;
        m_strConfigPath = settings.configPath;
        m_nPlacement = settings.placement;
        m_bMinimized = settings.minimized;
        Window().Button(IdcCloseWhenFinished).SetCheck(settings.closeWhenFinished != 0 ? 1 : 0);
    }
    if (m_strConfigPath.empty() || m_strIniPath.empty()) {
        m_platform.messages.Show(FirstRunMessage, win::MbIconExclamation);
        EndDialog(win::IdCancel);
        return true;
    }

    std::vector<RunItem> items;
    if (!BuildRunList(items)) {
        EndDialog(win::IdCancel);
        return true;
    }
    m_sequencer.SetUp(std::move(items), settings.idleBusyPercent, settings.idleSeconds, settings.idleLongest,
                      m_strIniPath);
    m_sequencer.SetNetworkLongest(settings.networkLongest);

    LookAtPlaces();
    PlaceWindow();
    if (m_bMinimized != 0) Window().Minimize();
    // The window as its template shows it, until the run shows otherwise.
    IDialogWindow& window = Window();
    m_shown.status = window.Static(IdcStatus).Text();
    m_shown.waitButtons = window.Button(IdcSkip).IsEnabled();
    m_shown.runButtons = window.Button(IdcPause).IsEnabled();
    StartRun(-1);
    return true;
}

// The items run in the order of their lines in the manager information file,
// which is the user's order on any file system; items without a line follow
// in directory order.
bool CRunnerDlg::BuildRunList(std::vector<RunItem>& run) {
    std::vector<FileEntry> files;
    for (const FileEntry& entry : m_platform.files.Find(m_strConfigPath + "Startup\\*.*"))
        if (!entry.IsDirectory()) files.push_back(entry);
    if (files.empty()) return false;

    std::vector<ManagedItem> items;
    if (!ReadManagedItems(m_platform.files, files, m_strIniPath, items))
        m_platform.messages.Show(m_strIniPath + WaitsUnreadable, win::MbIconExclamation);
    IListBox& list = Window().ListBox(IdcRunList);
    for (const ManagedItem& item : items) {
        RunItem line;
        line.name = item.file.Title();
        line.path = item.file.path;
        line.wait = item.fields.wait;
        line.idle = HasExtraField(item.fields, IdleField);
        line.off = HasExtraField(item.fields, OffField);
        line.options = LaunchOptionsOf(item.fields.extras);
        line.low = HasExtraField(item.fields, LowField);
        list.AddString(line.name);
        m_lines.push_back(line.name);
        run.push_back(line);
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
