// The window of a run: the dialog forwards its buttons to the sequencer and
// shows what it says; the questions and boxes are the window's.
#include "common/BoxOpen.h"
#include "common/TextHelpers.h"
#include "runner/RunnerDlg.h"
#include "runner/RunnerIds.h"

using namespace runner;

namespace {

// In the order of the states of an item turned off.
const char* const OffLines[] = {
    " - off, not launched",
    " - off, not launched; turned off where Windows starts it too",
    " - off, but Windows starts it: its entry there could not be turned off",
};

int LampBitmap(RunShown::Lamp lamp) {
    switch (lamp) {
    case RunShown::Lamp::Stopped: return IdbStopped;
    case RunShown::Lamp::Waiting: return IdbWaiting;
    case RunShown::Lamp::Go: return IdbGo;
    default: return 0;
    }
}

}  // namespace

void CRunnerDlg::StartRun(int after) {
    m_sequencer.Start(after);
    Render();
    m_nTimerId = Window().SetTimer(SequencerTimer, SequencerPeriod);
}

// Only what changed is set: each change costs the system a call, and most
// ticks change nothing.
void CRunnerDlg::Render() {
    const RunShown& now = m_sequencer.Shown();
    IDialogWindow& window = Window();
    if (now.current != m_shown.current) Select(now.current);
    if (now.marks != m_shown.marks) {
        m_shown.marks = now.marks;
        RenderLines();
    }
    if (now.lamp != m_shown.lamp) {
        m_shown.lamp = now.lamp;
        IStaticControl& lamp = window.Static(IdcLamp);
        lamp.SetBitmap(LampBitmap(now.lamp));
        lamp.Repaint();
    }
    if (now.statusSet && now.status != m_shown.status) {
        m_shown.status = now.status;
        IStaticControl& status = window.Static(IdcStatus);
        status.SetText(now.status);
        status.Repaint();
    }
    if (now.waitButtons != m_shown.waitButtons) {
        m_shown.waitButtons = now.waitButtons;
        window.Button(IdcSkip).Enable(now.waitButtons);
        window.Button(IdcRunNow).Enable(now.waitButtons);
    }
    if (now.paused != m_shown.paused) {
        m_shown.paused = now.paused;
        window.Button(IdcPause).SetText(now.paused ? "Resume" : "&Pause");
    }
    // The framework passes the focus on from a button that greys.
    if (now.runButtons != m_shown.runButtons) {
        m_shown.runButtons = now.runButtons;
        for (int id : {IdcPause, IdcNoWait, IdcRunNone}) window.Button(id).Enable(now.runButtons);
    }
}

// "31: No application is associated ...": the number, and what the system
// says it means where it says anything.
std::string CRunnerDlg::ErrorWords(int result) {
    const std::string words = m_platform.shell.FailureText(result);
    return IntToString(result) + (words.empty() ? "" : ": " + words);
}

// A line keeps its name, as the list shows it, and says why nothing started.
void CRunnerDlg::RenderLines() {
    const std::vector<RunItem>& items = m_sequencer.Items();
    for (std::size_t item = 0; item < items.size(); ++item) {
        const RunItem& run = items[item];
        std::string line;
        if (run.state == RunItem::State::Failed)
            line = run.name + "  (error " + ErrorWords(run.result) + ")";
        else if (run.state == RunItem::State::LeftToWindows)
            line = run.name + " - started by Windows itself";
        else if (run.state >= RunItem::State::Off)
            line = run.name + OffLines[static_cast<int>(run.state) - static_cast<int>(RunItem::State::Off)];
        else if (run.state == RunItem::State::OnBattery)
            line = run.name + OnBatteryNote;
        else if (run.state == RunItem::State::NotToday)
            line = run.name + NotTodayNote;
        const std::string waiting = run.name + NetworkWaitNote;
        if (run.netWaiting)
            line = waiting;
        else if (line.empty() && m_lines[item] == waiting)
            line = run.name;
        if (line.empty() || line == m_lines[item]) continue;
        Window().ListBox(IdcRunList).SetLine(static_cast<int>(item), line);
        m_lines[item] = line;
    }
}

void CRunnerDlg::Select(int line) {
    Window().ListBox(IdcRunList).SetCurSel(line);
    m_shown.current = line;
}

// The launches' minute goes on without the window, or in it at a gentler pace.
void CRunnerDlg::EndRunIfClosing() {
    Window().KillTimer(m_nTimerId);
    if (Window().Button(IdcCloseWhenFinished).Check()) return Close(win::IdOk);
    if (m_sequencer.Measuring()) m_nTimerId = Window().SetTimer(SequencerTimer, MeasurePeriod);
}

void CRunnerDlg::FinishMeasuring() {
    while (m_sequencer.Measuring()) {
        m_platform.clock.Sleep(MeasurePeriod);
        m_sequencer.Measure();
    }
    m_sequencer.WriteRunLog();
}

void CRunnerDlg::Close(int result) {
    m_sequencer.WriteRunLog();
    EndDialog(result);
}

void CRunnerDlg::OnOK() {
    Close(win::IdOk);
}

void CRunnerDlg::OnCancel() {
    Close(win::IdCancel);
}

void CRunnerDlg::FollowWatch() {
    const bool watching = m_sequencer.Watch().Watching();
    if (watching == m_watchTimer) return;
    m_watchTimer = watching;
    if (watching)
        Window().SetTimer(WatchTimer, MinimiseWatch::LookMilliseconds);
    else
        Window().KillTimer(WatchTimer);
}

void CRunnerDlg::OnTimer(unsigned timerId) {
    if (timerId == WatchTimer) {
        m_sequencer.Watch().Look();
        return FollowWatch();
    }
    if (!m_sequencer.Running()) {
        m_sequencer.Measure();
        if (!m_sequencer.Measuring()) Window().KillTimer(m_nTimerId);
        return;
    }
    m_sequencer.Measure();
    // A failure's box keeps the front while it is open.
    if (m_sequencer.PollDue() && !m_sequencer.Paused() && m_nBoxesBesideRun == 0) Window().BringToForeground();
    if (m_nQuestionsHoldingRun > 0) return;
    // The first tick, once the window is up; the run goes on in the box's loop.
    if (!m_strNewEntries.empty()) return ShowNewEntries();
    const bool stopped = m_sequencer.Step();
    FollowWatch();
    Render();
    if (stopped) EndRunIfClosing();
    ShowFailure();
}

// The box waits for the user, the run does not: its ticks arrive in the
// box's own loop. One box at a time; a failure meanwhile is only marked.
void CRunnerDlg::ShowFailure() {
    const int failed = m_sequencer.TakeFailure();
    if (failed < 0 || m_nBoxesBesideRun > 0) return;
    const BoxOpen open(m_nBoxesBesideRun);
    const RunItem& item = m_sequencer.Items()[failed];
    m_platform.messages.Show(item.path + "\n" + RunError + "\n\nError " + ErrorWords(item.result),
                             win::MbIconExclamation | win::MbSetForeground);
}

int CRunnerDlg::AskHeld(const std::string& text, unsigned style) {
    const BoxOpen open(m_nQuestionsHoldingRun);
    return m_platform.messages.Show(text, style);
}

void CRunnerDlg::OnPause() {
    m_sequencer.Pause();
    Render();
}

void CRunnerDlg::OnSkip() {
    m_sequencer.Skip();
    Render();
}

void CRunnerDlg::OnRunNow() {
    m_sequencer.RunNow();
    Render();
}

void CRunnerDlg::OnNoWait() {
    m_sequencer.NoWait();
}

void CRunnerDlg::OnRunNone() {
    m_sequencer.RunNone();
    if (Window().Button(IdcCloseWhenFinished).Check()) Close(win::IdOk);
}

void CRunnerDlg::OnSelChangeRunList() {
    if (!m_sequencer.Running()) return;
    const int selected = Window().ListBox(IdcRunList).CurSel();
    if (selected == m_sequencer.Current()) return;
    const bool wasPaused = m_sequencer.Paused();
    m_sequencer.HoldForQuestion();
    if (AskHeld(JumpQuestion, win::MbYesNoCancel | win::MbIconQuestion) == win::IdYes)
        m_sequencer.JumpTo(selected, wasPaused);
    else
        m_sequencer.KeepCourse(wasPaused);
    Select(m_sequencer.Current());
    Render();
}

void CRunnerDlg::OnDblClkRunList() {
    if (m_sequencer.Running()) return;
    if (m_platform.keyboard.KeyState(win::VkScroll) != 0) {
        m_platform.messages.Show(ScrollLockOn, win::MbIconExclamation);
        return;
    }
    const int selected = Window().ListBox(IdcRunList).CurSel();
    const int after = selected < 0 ? -1 : selected - 1;
    Select(after);
    StartRun(after);
}
