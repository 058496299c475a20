#pragma once
// The runner's dialog: start-up and run list (RunnerDlg.cpp), and the
// window of the launch sequencer (RunnerWindow.cpp), which it owns.
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "runner/RunnerSequencer.h"
#include "ui/Dialog.h"

class CRunnerDlg : public CDialog {
public:
    explicit CRunnerDlg(Platform& platform);

    bool OnInitDialog() override;
    // A run cut short by closing the window is recorded all the same.
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(unsigned timerId) override;
    int MinimizedIcon() const override { return m_iconId; }
    // After the window: the windows of items started minimised are watched
    // to the end.
    void FinishWatch() { m_sequencer.Watch().Finish(); }
    // After the window: follows the launches to the end of their minute,
    // and records them.
    void FinishMeasuring();

    // The first-run message and the other texts the runner shows.
    static const char* const FirstRunMessage;
    static const char* const RunError;
    // A failed launch's number with the system's words for it.
    std::string ErrorWords(int result);
    static const char* const WaitsUnreadable;  // after the file's path
    static const char* const JumpQuestion;
    static const char* const ScrollLockOn;
    static const char* const NewEntriesTitle;
    static const char* const NewEntriesQuestion;
    static const char* const PutBackNote;
    // After a line's name: why it was not started, or what it waits for.
    static const char* const OnBatteryNote;
    static const char* const NotTodayNote;
    static const char* const NetworkWaitNote;

private:
    // Start-up.
    // False when the manager holds no file.
    bool BuildRunList(std::vector<RunItem>& run);
    void PlaceWindow();

    // The run, as the window shows it.
    void StartRun(int after);
    // What the sequencer shows that the window does not yet.
    void Render();
    void RenderLines();
    void Select(int line);
    void EndRunIfClosing();
    void ShowFailure();
    // The watch's timer runs while the watch has windows to look for.
    void FollowWatch();
    void Close(int result);
    int AskHeld(const std::string& text, unsigned style);
    // Reads the places Windows starts programs from, notes what is there,
    // and prepares the words on what appeared since the last look.
    void LookAtPlaces();
    // Those words, in a box that lets the run go on, with the way to the
    // configuration.
    void ShowNewEntries();
    // The entry (of this name in this place) starts the program of a managed
    // item of its title.
    bool StartsAManagedItem(const ItemPlace& place, const PlaceEntry& entry);

    // Handlers.
    void OnPause();
    void OnSkip();
    void OnRunNow();
    void OnNoWait();
    void OnRunNone();
    void OnSelChangeRunList();
    void OnDblClkRunList();

    Platform& m_platform;
    RunnerSequencer m_sequencer;

    std::string m_strConfigPath, m_strIniPath;
    int m_nPlacement = 0, m_bMinimized = 0;
    unsigned m_nTimerId = 0;
    bool m_watchTimer = false;
    // What the window shows: the controls as last set, and each line's text.
    RunShown m_shown;
    std::vector<std::string> m_lines;
    // The window's own questions open now: ticks do nothing meanwhile.
    int m_nQuestionsHoldingRun = 0;
    // A failure's box, or the one naming new entries, open now: the run goes
    // on in the box's own message loop, and a failure meanwhile is only marked.
    int m_nBoxesBesideRun = 0;
    // The words on entries new where Windows starts programs, until shown.
    std::string m_strNewEntries;
    // The resource id of the program's icon.
    const int m_iconId;
};
