// The launch sequencer: one step of a small state machine per timer tick.
#include "common/PathHelpers.h"
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
    m_bItemStarted = m_bCounting = m_bLaunchPending = m_bPaused = false;
    m_nRemaining = 0;
    ReadLockKeys();
    Window().Button(IdcSkip).Enable(false);
    Window().Button(IdcRunNow).Enable(false);
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
    SetStatus(m_bmpStopped, "Stopped");
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
    if (Window().Button(IdcCloseWhenFinished).Check()) EndDialog(win::IdOk);
}

void CRunnerDlg::OnTimer(unsigned /*timerId*/) {
    if (--m_nTickDivider < 1) {
        PollLockKeys();
        if (!m_bPaused) Window().BringToForeground();
        m_nTickDivider = 10;
    }
    if (m_bBoxOpen) return;
    if (m_bRunNone) {
        SetPaused(false);
        EndRunIfClosing();
        return;
    }
    if (m_bNoWait) {
        SetPaused(false);
        SetStatus(m_bmpGo, "");
        m_bCounting = false;
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
    if (!m_bLaunchPending) return;
    Launch();
    if (m_nCurrent < Window().ListBox(IdcRunList).Count() - 1)
        m_bItemStarted = false;
    else
        EndRunIfClosing();
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
    if (m_nRemaining > 0 && !m_bNoWait) {
        m_timeNow = m_platform.clock.Now();
        m_wLastSecond = m_timeNow.second;
        ShowCountdown(true);
        m_bCounting = true;
    } else {
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
            ShowCountdown(false);
            m_bLaunchPending = true;
        }
    }
    m_wLastSecond = m_timeNow.second;
}

void CRunnerDlg::Launch() {
    m_bLaunchPending = false;
    m_strCurrentPath = m_listPaths[m_nCurrent];
    m_strCurrentDir = DirectoryOf(m_strCurrentPath);
    if (LeftToWindows()) return;
    const intptr_t result = m_platform.shell.Execute("", m_strCurrentPath, "", m_strCurrentDir, win::SwShowNormal);
    if (result > win::ShellExecuteFailureLimit) return;
    SetStatus(m_bmpStopped, "Error");
    m_bPaused = true;
    AskHeld(m_strCurrentPath + "\n" + m_strRunError, win::MbIconExclamation);
    m_bPaused = false;
    SetStatus(m_bmpGo, "");
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
    m_bItemStarted = m_bCounting = m_bLaunchPending = false;
    m_nRemaining = 0;
    SetPaused(false);
}

void CRunnerDlg::OnRunNow() {
    m_bCounting = false;
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
    if (Window().Button(IdcCloseWhenFinished).Check()) EndDialog(win::IdOk);
}

void CRunnerDlg::OnSelChangeRunList() {
    if (!m_bRunning) return;
    IListBox& list = Window().ListBox(IdcRunList);
    const int selected = list.CurSel();
    if (selected == m_nCurrent) return;
    const bool wasPaused = m_bPaused;
    m_bPaused = true;
    if (AskHeld(JumpQuestion, win::MbYesNoCancel | win::MbIconQuestion) == win::IdYes) {
        m_bItemStarted = m_bCounting = m_bLaunchPending = false;
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
