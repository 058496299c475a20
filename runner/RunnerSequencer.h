#pragma once
// The launch sequencer: one step of a small state machine per timer tick,
// driven by the clock, the lock keys and the processors' times. It knows no
// window: the dialog forwards its buttons and shows what Shown() says.
#include <cstdint>
#include <string>
#include <vector>

#include "common/HeldPlaces.h"
#include "common/LaunchOptions.h"
#include "common/StartupLog.h"
#include "platform/Platform.h"
#include "runner/MinimiseWatch.h"
#include "runner/LaunchMeasure.h"

// One line of the run list.
struct RunItem {
    std::string name, path;  // as listed; the file launched
    std::string wait;        // as its line gives it
    bool idle = false;       // waits for an idle computer after its wait
    bool off = false;        // turned off by the user: never launched
    bool low = false;        // starts at low priority for a minute
    LaunchOptions options;
    // What its last launch did; a mark once made stays on its line. On
    // battery and NotToday: not launched, as its options say. An item
    // turned off whose program put itself back where Windows starts it has
    // that entry turned off too, or not when Windows refused.
    enum class State : uint8_t {
        NotRun, Launched, Failed, LeftToWindows, OnBattery, NotToday, Off, OffThereToo, OffNotThere
    } state = State::NotRun;
    int result = 0;  // the shell's number for a failed launch
    // Milliseconds from the run's start: when its plain and idle waits began
    // (-1: none), and its last launch.
    long waitFrom = -1, idleFrom = -1, launchedAt = -1;
    std::string waited = "wait";  // what ended its wait: wait, idle or longest
    // Its wait for the network: when it began (-1: none), whether it goes on
    // now, and what ended it (up, longest, unknown, or now: the user).
    long netFrom = -1;
    bool netWaiting = false;
    std::string network;
};

// What the window shows of the run. Status and lamp are asked for at set
// moments and stay shown until the next; the template's own text stays up
// until the first.
struct RunShown {
    enum class Lamp : uint8_t { None, Stopped, Waiting, Go } lamp = Lamp::None;
    bool statusSet = false;
    std::string status;
    bool waitButtons = false;  // Skip and Run Now
    bool runButtons = false;  // Pause, No Wait and Run None: while a run goes on
    bool paused = false;  // the Pause button reads Resume
    int current = -1;     // the selected line
    unsigned marks = 0;   // counts the lines marked, so a dialog renders them only then
};

class RunnerSequencer {
public:
    explicit RunnerSequencer(Platform& platform) : m_platform(platform), m_watch(platform) {}

    // Before the first run: the list, the idle wait's limits, and Orvane.ini's
    // path (empty: no record of the run is kept).
    void SetUp(std::vector<RunItem> items, int idleBusyPercent, int idleSeconds, int idleLongest,
               const std::string& iniPath);
    // What the places Windows starts programs from held at the start: a
    // managed program found there again is left to Windows.
    void SetHeld(std::vector<HeldPlace> held) { m_held = std::move(held); }
    const std::vector<HeldPlace>& Held() const { return m_held; }
    // The longest wait for the network, in seconds.
    void SetNetworkLongest(int seconds) { m_networkLongest = seconds; }
    // The windows of the items started minimised, watched for a while.
    MinimiseWatch& Watch() { return m_watch; }

    // A run from the line after this one (-1: from the first).
    void Start(int after);
    // Each tick first: every tenth looks at the lock keys, and true then.
    bool PollDue();
    // The tick's work once no question holds the run; true when the run
    // stopped in it.
    bool Step();
    // Writes the run's record as it stands, unless written so already; at
    // the window's end too.
    void WriteRunLog();
    // Each tick, and after the window: reads the launches followed, and
    // records those whose minute is over.
    void Measure();
    bool Measuring() const { return !m_measures.empty(); }

    void Pause();
    void Skip();
    void RunNow();
    void NoWait() { m_noWait = 1; }
    void RunNone() { m_runNone = 1; }
    // A question about a jump holds the run as a pause does; the answer
    // jumps to the line or lets it go on as it was.
    void HoldForQuestion();
    void JumpTo(int line, bool wasPaused);
    void KeepCourse(bool wasPaused);

    bool Running() const { return m_phase != Phase::Stopped; }
    bool Paused() const { return m_phase == Phase::Paused; }
    int Current() const { return m_current; }
    const std::vector<RunItem>& Items() const { return m_items; }
    const RunShown& Shown() const { return m_shown; }
    const LoggedRun& Run() const { return m_run; }
    // The item whose launch failed since the last call, or -1.
    int TakeFailure();

private:
    enum class Phase : uint8_t {
        Stopped,    // no run: the timer is off
        Next,       // the next tick selects the next line and starts its wait
        NextNow,    // the same, and launches it without a wait
        Waiting,    // counting the item's wait down, a second at a time
        IdleWait,   // after the wait, until the processors are quiet and the network is up
        Launching,  // the next tick launches the current item
        Paused,     // holding m_pausedPhase
    };

    void Stop();
    void Status(RunShown::Lamp lamp, const std::string& text);
    void StatusText(const std::string& text);
    void ShowCountdown(bool on);
    void Resume();
    void LockKeyStates(int& caps, int& scroll);
    void ReadLockKeys();
    void PollLockKeys();
    void Advance();
    void Countdown();
    // After the plain wait of an item marked idle or to wait for the
    // network: false when there is nothing to wait for (the system cannot
    // tell how busy it is, the network is up), and the item launches.
    bool StartIdleWait();
    // False when the network is up or the system cannot tell.
    bool StartNetworkWait(RunItem& item);
    void IdleWait();
    void IdleSecond(RunItem& item);
    void NetworkSecond(RunItem& item);
    void EndWait();
    // The network wait is over, its line said so.
    void EndNetworkWait(RunItem& item, const char* ended);
    void EndNetworkWaits();
    // Not to be launched today, as its options say: the state to mark, or NotRun.
    RunItem::State SkipReason(const RunItem& item);
    // The busier of the processors and the disks over the last second, shown.
    int IdleBusy();
    void Launch();
    void Follow(ProcessHandle process, bool low);
    void FinishMeasures();
    void Record(const RunItem& item, const std::string& result);
    // The item's program put itself back where Windows starts it: Windows
    // starts it already. True when not to launch.
    bool LeftToWindows(RunItem& item);
    void SkipOff(RunItem& item);
    // The entry where Windows starts the item's program again, if any.
    const HeldPlace* PlaceStartingItem(const RunItem& item, const PlaceEntry** entry = nullptr);
    // A turn that launched nothing, in the record.
    void RecordTurn(RunItem& item, const char* result);
    long SinceRunStart();

    Platform& m_platform;
    std::vector<RunItem> m_items;
    int m_idleBusyPercent = 0, m_idleSeconds = 0, m_idleLongest = 0;
    int m_networkLongest = 60;
    std::string m_iniPath;
    std::vector<HeldPlace> m_held;

    Phase m_phase = Phase::Stopped;
    Phase m_pausedPhase = Phase::Next;  // under a pause
    int m_current = -1;
    int m_remaining = 0;
    uint16_t m_lastSecond = 0;
    int m_capsLockState = 0, m_scrollLockState = 0;
    int m_noWait = 0, m_runNone = 0;
    // Spaces out key polling and raising the window to every tenth tick;
    // not reset by Start.
    int m_tickDivider = 10;
    // The idle wait: seconds waited and seconds in a row at or below the
    // limit, with the processors' times at the last second.
    int m_idleElapsed = 0, m_idleQuiet = 0;
    bool m_idlePending = false;
    RunItem::State m_skip = RunItem::State::NotRun;  // the current item's, found at its turn
    ProcessorTimes m_idleLast;
    // The disks too, when they answered at the wait's start.
    bool m_idleDisks = false;
    std::vector<DiskTimes> m_disksLast;
    int m_failed = -1;

    // This run's record, written to Orvane.log when it stops.
    LoggedRun m_run;
    bool m_runLogged = true;  // as it stands
    bool m_runWritten = false;  // once: a later write replaces it
    // The launches followed, by their record in m_run.
    struct Followed {
        std::size_t record;
        LaunchMeasure measure;
    };
    std::vector<Followed> m_measures;
    int64_t m_runStart = 0;
    RunShown m_shown;
    MinimiseWatch m_watch;
};
