#pragma once
// The runner's dialog: start-up and run list (RunnerDlg.cpp) and the launch
// sequencer driven by its timer (RunnerSequencer.cpp).
#include <cstdint>
#include <string>
#include <vector>

#include "common/HeldPlaces.h"
#include "common/StartupLog.h"
#include "platform/Platform.h"
#include "ui/Dialog.h"

class CRunnerDlg : public CDialog {
public:
    explicit CRunnerDlg(Platform& platform);

    bool OnInitDialog() override;
    // A run cut short by closing the window is recorded all the same.
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(unsigned timerId) override;
    int MinimizedIcon() const override { return m_hIcon; }

    // The first-run message and the other texts the runner shows.
    static const char* const FirstRunMessage;
    static const char* const RunError;
    static const char* const WaitsUnreadable;  // after the file's path
    static const char* const JumpQuestion;
    static const char* const ScrollLockOn;
    static const char* const NewEntriesTitle;
    static const char* const NewEntriesQuestion;
    static const char* const PutBackNote;

private:
    // Start-up.
    // False when the manager holds no file.
    bool BuildRunList();
    void PlaceWindow();

    // Sequencer.
    void StartRun();
    void StopRun();
    void SetStatus(int lampId, const std::string& text);
    void ShowStatusText(const std::string& text);
    void ShowCountdown(bool on);
    void SetPaused(bool on);
    void LockKeyStates(int& caps, int& scroll);
    void ReadLockKeys();
    void PollLockKeys();
    void Advance();
    void Countdown();
    // After the plain wait of an item marked idle: false when the system
    // cannot tell how busy it is, and the item launches as any other.
    bool StartIdleWait();
    void IdleWait();
    void EndWait(const char* waited);
    void Launch();
    void ShowFailure();
    void WriteRunLog();
    void Close(int result);
    long SinceRunStart();
    // Reads the places Windows starts programs from, notes what is there,
    // and prepares the words on what appeared since the last look.
    void LookAtPlaces();
    // Those words, in a box that lets the run go on, with the way to the
    // configuration.
    void ShowNewEntries();
    // The entry of the place starts the program of a managed item of its title.
    bool StartsAManagedItem(const ItemPlace& place, const std::string& name);
    // The current item's program put itself back where Windows starts it:
    // Windows starts it already, and the run list says so. True when not to
    // launch.
    bool LeftToWindows();
    void EndRunIfClosing();
    int KeyState(int virtualKey);
    int AskHeld(const std::string& text, unsigned style);

    // Handlers.
    void OnPause();
    void OnSkip();
    void OnRunNow();
    void OnNoWait();
    void OnRunNone();
    void OnSelChangeRunList();
    void OnDblClkRunList();

    Platform& m_platform;

    int m_bmpStopped, m_bmpWaiting, m_bmpGo;
    std::vector<std::string> m_listPaths;
    std::vector<std::string> m_listWaits;  // one per run-list item
    std::vector<std::string> m_listNames;
    std::vector<bool> m_listIdle;
    std::string m_strConfigPath, m_strIniPath;
    int m_nPlacement = 0, m_bMinimized = 0;
    std::string m_strRunError;
    bool m_bItemStarted = false, m_bCounting = false, m_bLaunchPending = false, m_bPaused = false;
    int m_nCapsLockState = 0, m_nScrollLockState = 0;
    int m_bNoWait = 0, m_bRunNone = 0;
    std::string m_strCurrentPath, m_strCurrentDir;
    SystemTime m_timeNow;
    uint16_t m_wLastSecond = 0;
    int m_nRemaining = 0;
    int m_nCurrent = -1;
    unsigned m_nTimerId = 0;
    bool m_bRunning = false;
    // Spaces out key polling and raising the window to every tenth tick;
    // not reset by StartRun.
    int m_nTickDivider = 10;
    // One of the sequencer's own message boxes is open: ticks do nothing.
    bool m_bBoxOpen = false;

    // The idle wait: seconds waited and seconds in a row at or below the
    // limit, with the processors' times at the last second.
    int m_nIdleBusyPercent = 0, m_nIdleSeconds = 0, m_nIdleLongest = 0;
    bool m_bIdleWaiting = false;
    int m_nIdleElapsed = 0, m_nIdleQuiet = 0;
    ProcessorTimes m_idleLast;

    // A failed launch's box is shown after its tick's work, and the run goes
    // on in the box's own message loop; a failure meanwhile is only marked.
    std::string m_strFailure;
    // A failure's box, or the one naming new entries, is open.
    bool m_bBoxShown = false;

    // What the places Windows starts programs from held at the run's start,
    // and the words on entries new there, until shown.
    std::vector<HeldPlace> m_held;
    std::string m_strNewEntries;

    // This run's record, written to Orvane.log when it stops.
    LoggedRun m_run;
    bool m_bRunLogged = true;
    int64_t m_runStart = 0;
    long m_itemWaitFrom = -1, m_itemIdleFrom = -1;
    std::string m_strWaited;
    const int m_hIcon;
};
