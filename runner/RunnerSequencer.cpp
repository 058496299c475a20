// The launch sequencer: one step of a small state machine per timer tick.
#include "common/PathHelpers.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "runner/RunnerDlg.h"
#include "runner/RunnerIds.h"

using namespace runner;

int CRunnerDlg::KeyState(int virtualKey) {
    return static_cast<int>(m_platform.keyboard.KeyState(virtualKey));  // sign-extended
}

// A lamp or text already shown is not set again: each costs the system a
// repaint, and some paths ask for the same status on every tick.
void CRunnerDlg::SetStatus(int lampId, const std::string& text) {
    IStaticControl& lamp = Window().Static(IdcLamp);
    if ((lampId == m_bmpStopped || lampId == m_bmpWaiting || lampId == m_bmpGo) && lamp.Bitmap() != lampId) {
        lamp.SetBitmap(lampId);
        lamp.Repaint();
    }
    ShowStatusText(text);
}

void CRunnerDlg::ShowStatusText(const std::string& text) {
    IStaticControl& status = Window().Static(IdcStatus);
    if (status.Text() == text) return;
    status.SetText(text);
    status.Repaint();
}

void CRunnerDlg::ShowCountdown(bool on) {
    if (on)
        SetStatus(m_bmpWaiting, IntToString(m_nRemaining));
    else
        SetStatus(m_bmpGo, "");
    Window().Button(IdcSkip).Enable(on);
    Window().Button(IdcRunNow).Enable(on);
}

void CRunnerDlg::StartRun() {
    m_bItemStarted = m_bCounting = m_bLaunchPending = m_bPaused = m_bIdleWaiting = false;
    m_nRemaining = 0;
    const SystemTime now = m_platform.clock.Now();
    m_runStart = MillisecondsOf(now);
    m_run = LoggedRun{StartedText(now), {}};
    m_bRunLogged = false;
    ReadLockKeys();
    Window().Button(IdcSkip).Enable(false);
    Window().Button(IdcRunNow).Enable(false);
    Window().Button(IdcPause).Enable(true);
    Window().Button(IdcPause).SetText("&Pause");
    Window().Static(IdcLamp).SetBitmap(m_bmpGo);
    m_nTimerId = Window().SetTimer(SequencerTimer, SequencerPeriod);
    m_bRunning = true;
}

void CRunnerDlg::StopRun() {
    Window().KillTimer(m_nTimerId);
    m_bRunning = false;
    Window().Button(IdcSkip).Enable(false);
    Window().Button(IdcRunNow).Enable(false);
    // Nothing is left to pause; the focus must not stay on a disabled button.
    IButton& pause = Window().Button(IdcPause);
    pause.SetText("&Pause");
    pause.Enable(false);
    SetStatus(m_bmpStopped, "Stopped");
    WriteRunLog();
}

// After the run's last launch or at the window's end, never before a launch:
// a record that cannot be written is lost, and nothing else.
void CRunnerDlg::WriteRunLog() {
    if (m_bRunLogged || m_strIniPath.empty()) return;
    m_bRunLogged = true;
    AppendStartupRun(m_platform.files, StartupLogPath(m_strIniPath), m_run);
}

long CRunnerDlg::SinceRunStart() {
    return static_cast<long>(MillisecondsOf(m_platform.clock.Now()) - m_runStart);
}

void CRunnerDlg::SetPaused(bool on) {
    if (!m_bRunning) return;
    if (on) {
        SetStatus(m_bmpStopped, "Paused");
        Window().Button(IdcPause).SetText("Resume");
        m_bPaused = true;
    } else {
        SetStatus(m_bmpWaiting, "");
        // The first countdown tick after a resume decrements against a stale
        // second: this keeps the number shown when the run was paused.
        ++m_nRemaining;
        // The idle wait measures again from now: the paused time is not its.
        if (m_bIdleWaiting && m_platform.processors.Read(m_idleLast)) m_wLastSecond = m_platform.clock.Now().second;
        Window().Button(IdcPause).SetText("&Pause");
        m_bPaused = false;
    }
}

// Both lock keys from one look at the keyboard: polled ten times a second,
// each look is a call to the system that a countdown pays for.
void CRunnerDlg::LockKeyStates(int& caps, int& scroll) {
    const std::vector<short> states = m_platform.keyboard.KeyStates({win::VkCapital, win::VkScroll});
    caps = states[0];  // sign-extended
    scroll = states[1];
}

void CRunnerDlg::ReadLockKeys() {
    LockKeyStates(m_nCapsLockState, m_nScrollLockState);
    m_bNoWait = m_nCapsLockState;
    m_bRunNone = m_nScrollLockState;
}

void CRunnerDlg::PollLockKeys() {
    int caps = 0, scroll = 0;
    LockKeyStates(caps, scroll);
    if (caps != m_nCapsLockState) m_nCapsLockState = m_bNoWait = caps;
    if (scroll != m_nScrollLockState) m_nScrollLockState = m_bRunNone = scroll;
}

void CRunnerDlg::EndRunIfClosing() {
    StopRun();
    if (Window().Button(IdcCloseWhenFinished).Check()) Close(win::IdOk);
}

void CRunnerDlg::Close(int result) {
    WriteRunLog();
    EndDialog(result);
}

void CRunnerDlg::OnOK() {
    Close(win::IdOk);
}

void CRunnerDlg::OnCancel() {
    Close(win::IdCancel);
}

void CRunnerDlg::OnTimer(unsigned /*timerId*/) {
    if (--m_nTickDivider < 1) {
        PollLockKeys();
        // A failure's box keeps the front while it is open.
        if (!m_bPaused && !m_bBoxShown) Window().BringToForeground();
        m_nTickDivider = 10;
    }
    if (m_bBoxOpen) return;
    // The first tick, once the window is up; the run goes on in the box's loop.
    if (!m_strNewEntries.empty()) return ShowNewEntries();
    if (m_bRunNone) {
        SetPaused(false);
        EndRunIfClosing();
        return;
    }
    if (m_bNoWait) {
        SetPaused(false);
        SetStatus(m_bmpGo, "");
        m_bCounting = m_bIdleWaiting = false;
        m_nRemaining = 0;
        m_bLaunchPending = true;
    }
    if (m_bPaused) return;
    if (!m_bItemStarted) {
        Advance();
        // No line after the selection: the run has ended, and nothing is launched.
        if (!m_bRunning) return;
    }
    if (m_bCounting) Countdown();
    if (m_bIdleWaiting) IdleWait();
    if (!m_bLaunchPending) return;
    Launch();
    if (m_nCurrent < Window().ListBox(IdcRunList).Count() - 1)
        m_bItemStarted = false;
    else
        EndRunIfClosing();
    ShowFailure();
}

void CRunnerDlg::Advance() {
    IListBox& list = Window().ListBox(IdcRunList);
    m_bItemStarted = true;
    m_nCurrent = list.CurSel();
    if (m_nCurrent >= list.Count() - 1) {
        EndRunIfClosing();
        return;
    }
    list.SetCurSel(++m_nCurrent);
    m_nRemaining = m_nCurrent < static_cast<int>(m_listWaits.size()) ? AtoiLike(m_listWaits[m_nCurrent]) : 0;
    m_itemWaitFrom = m_itemIdleFrom = -1;
    m_strWaited = "wait";
    if (m_nRemaining > 0 && !m_bNoWait) {
        m_timeNow = m_platform.clock.Now();
        m_wLastSecond = m_timeNow.second;
        m_itemWaitFrom = SinceRunStart();
        ShowCountdown(true);
        m_bCounting = true;
    } else if (m_bNoWait || !StartIdleWait()) {
        SetStatus(m_bmpGo, "");
        m_bLaunchPending = true;
    }
}

void CRunnerDlg::Countdown() {
    m_timeNow = m_platform.clock.Now();
    if (m_timeNow.second != m_wLastSecond) {
        --m_nRemaining;
        ShowStatusText(IntToString(m_nRemaining));
        if (m_nRemaining < 1) {
            m_bCounting = false;
            m_nRemaining = 0;
            if (!StartIdleWait()) {
                ShowCountdown(false);
                m_bLaunchPending = true;
            }
        }
    }
    m_wLastSecond = m_timeNow.second;
}

bool CRunnerDlg::StartIdleWait() {
    if (m_nCurrent >= static_cast<int>(m_listIdle.size()) || !m_listIdle[m_nCurrent]) return false;
    if (!m_platform.processors.Read(m_idleLast)) return false;
    m_bIdleWaiting = true;
    m_nIdleElapsed = m_nIdleQuiet = 0;
    m_timeNow = m_platform.clock.Now();
    m_wLastSecond = m_timeNow.second;
    m_itemIdleFrom = SinceRunStart();
    SetStatus(m_bmpWaiting, "Idle?");
    Window().Button(IdcSkip).Enable(true);
    Window().Button(IdcRunNow).Enable(true);
    return true;
}

// Once a second: the processors' use over that second, shown; enough quiet
// seconds in a row, or the longest wait, and the item goes.
void CRunnerDlg::IdleWait() {
    m_timeNow = m_platform.clock.Now();
    if (m_timeNow.second == m_wLastSecond) return;
    m_wLastSecond = m_timeNow.second;
    ProcessorTimes now;
    if (!m_platform.processors.Read(now)) {
        EndWait("wait");
        return;
    }
    const int busy = BusyPercent(m_idleLast, now);
    m_idleLast = now;
    ++m_nIdleElapsed;
    if (busy >= 0) {
        m_nIdleQuiet = busy <= m_nIdleBusyPercent ? m_nIdleQuiet + 1 : 0;
        ShowStatusText("Idle? " + IntToString(busy) + "%");
    }
    if (m_nIdleQuiet >= m_nIdleSeconds)
        EndWait("idle");
    else if (m_nIdleElapsed >= m_nIdleLongest)
        EndWait("longest");
}

void CRunnerDlg::EndWait(const char* waited) {
    m_bIdleWaiting = false;
    m_strWaited = waited;
    ShowCountdown(false);
    m_bLaunchPending = true;
}

void CRunnerDlg::Launch() {
    m_bLaunchPending = false;
    m_strCurrentPath = m_listPaths[m_nCurrent];
    m_strCurrentDir = DirectoryOf(m_strCurrentPath);
    if (LeftToWindows()) return;
    const intptr_t result = m_platform.shell.Execute("", m_strCurrentPath, "", m_strCurrentDir, win::SwShowNormal);
    const bool launched = result > win::ShellExecuteFailureLimit;
    LoggedLaunch record;
    record.name = m_listNames[m_nCurrent];
    record.launchedAt = SinceRunStart();
    record.waited = m_strWaited;
    record.result = launched ? "ok" : IntToString(static_cast<int>(result));
    record.waitFrom = m_itemWaitFrom;
    record.idleFrom = m_itemIdleFrom;
    m_run.launches.push_back(record);
    m_strWaited = "wait";
    if (launched) return;
    SetStatus(m_bmpStopped, "Error");
    Window().ListBox(IdcRunList).SetLine(m_nCurrent, record.name + "  (error " + record.result + ")");
    m_strFailure = m_strCurrentPath + "\n" + m_strRunError;
}

// The box waits for the user, the run does not: its ticks arrive in the
// box's own loop. One box at a time; a failure meanwhile is only marked.
void CRunnerDlg::ShowFailure() {
    if (m_bBoxShown) m_strFailure.clear();
    if (m_strFailure.empty()) return;
    const std::string text = std::move(m_strFailure);
    m_strFailure.clear();
    m_bBoxShown = true;
    m_platform.messages.Show(text, win::MbIconExclamation | win::MbSetForeground);
    m_bBoxShown = false;
}

int CRunnerDlg::AskHeld(const std::string& text, unsigned style) {
    m_bBoxOpen = true;
    const int answer = m_platform.messages.Show(text, style);
    m_bBoxOpen = false;
    return answer;
}

void CRunnerDlg::OnPause() {
    SetPaused(!m_bPaused);
}

void CRunnerDlg::OnSkip() {
    m_bItemStarted = m_bCounting = m_bLaunchPending = m_bIdleWaiting = false;
    m_nRemaining = 0;
    SetPaused(false);
}

void CRunnerDlg::OnRunNow() {
    m_bCounting = m_bIdleWaiting = false;
    m_nRemaining = 0;
    m_bLaunchPending = true;
    SetPaused(false);
    SetStatus(m_bmpGo, "");
}

void CRunnerDlg::OnNoWait() {
    m_bNoWait = 1;
}

void CRunnerDlg::OnRunNone() {
    m_bRunNone = 1;
    if (Window().Button(IdcCloseWhenFinished).Check()) Close(win::IdOk);
}

void CRunnerDlg::OnSelChangeRunList() {
    if (!m_bRunning) return;
    IListBox& list = Window().ListBox(IdcRunList);
    const int selected = list.CurSel();
    if (selected == m_nCurrent) return;
    const bool wasPaused = m_bPaused;
    m_bPaused = true;
    if (AskHeld(JumpQuestion, win::MbYesNoCancel | win::MbIconQuestion) == win::IdYes) {
        m_bItemStarted = m_bCounting = m_bLaunchPending = m_bIdleWaiting = false;
        m_nRemaining = 0;
        m_nCurrent = selected - 1;
        list.SetCurSel(m_nCurrent);
        if (wasPaused)
            SetPaused(false);
        else
            m_bPaused = false;
    } else {
        list.SetCurSel(m_nCurrent);
        m_bPaused = wasPaused;
    }
}

void CRunnerDlg::OnDblClkRunList() {
    if (m_bRunning) return;
    if (KeyState(win::VkScroll) != 0) {
        m_platform.messages.Show(ScrollLockOn, win::MbIconExclamation);
        return;
    }
    IListBox& list = Window().ListBox(IdcRunList);
    const int selected = list.CurSel();
    m_nCurrent = selected < 0 ? -1 : selected - 1;
    list.SetCurSel(m_nCurrent);
    StartRun();
}
