#include "runner/RunnerSequencer.h"

#include "common/ComScope.h"
#include "common/PathHelpers.h"
#include "common/PlaceEntries.h"
#include "common/StartupApproved.h"
#include "common/TextHelpers.h"
#include "platform/WinValues.h"

void RunnerSequencer::SetUp(std::vector<RunItem> items, int idleBusyPercent, int idleSeconds, int idleLongest,
                            const std::string& iniPath) {
    m_items = std::move(items);
    m_idleBusyPercent = idleBusyPercent;
    m_idleSeconds = idleSeconds;
    m_idleLongest = idleLongest;
    m_iniPath = iniPath;
}

// A status already shown is not set again by the window: each costs the
// system a repaint, and some paths ask for the same status on every tick.
void RunnerSequencer::Status(RunShown::Lamp lamp, const std::string& text) {
    m_shown.lamp = lamp;
    StatusText(text);
}

void RunnerSequencer::StatusText(const std::string& text) {
    m_shown.status = text;
    m_shown.statusSet = true;
}

void RunnerSequencer::ShowCountdown(bool on) {
    if (on)
        Status(RunShown::Lamp::Waiting, IntToString(m_remaining));
    else
        Status(RunShown::Lamp::Go, "");
    m_shown.waitButtons = on;
}

void RunnerSequencer::Start(int after) {
    // The last run's record is finished before this one begins.
    FinishMeasures();
    m_shown.current = m_current = after;
    m_phase = Phase::Next;
    const SystemTime now = m_platform.clock.Now();
    m_runStart = MillisecondsOf(now);
    m_run = LoggedRun{StartedText(now), {}, {}};
    m_runLogged = false;
    m_runWritten = false;
    ReadLockKeys();
    m_shown.waitButtons = false;
    m_shown.runButtons = true;
    m_shown.paused = false;
    m_shown.lamp = RunShown::Lamp::Go;
}

void RunnerSequencer::Stop() {
    EndNetworkWaits();
    m_phase = Phase::Stopped;
    m_shown.waitButtons = false;
    // Nothing is left to pause, to hurry or to call off.
    m_shown.paused = false;
    m_shown.runButtons = false;
    Status(RunShown::Lamp::Stopped, "Stopped");
    WriteRunLog();
}

// After the run's last launch, at the window's end and when the last
// measure ends, never before a launch: a record that cannot be written is
// lost, and nothing else.
void RunnerSequencer::WriteRunLog() {
    if (m_runLogged || m_iniPath.empty()) return;
    m_runLogged = true;
    if (AppendStartupRun(m_platform.files, StartupLogPath(m_iniPath), m_run, m_runWritten)) m_runWritten = true;
}

void RunnerSequencer::Measure() {
    if (m_measures.empty()) return;
    const long now = SinceRunStart();
    for (std::size_t i = 0; i < m_measures.size();) {
        Followed& followed = m_measures[i];
        if (!followed.measure.Sample(now)) {
            ++i;
            continue;
        }
        followed.measure.Finish(m_run.launches[followed.record]);
        m_measures.erase(m_measures.begin() + static_cast<long>(i));
        m_runLogged = false;
    }
    if (m_measures.empty() && !Running()) WriteRunLog();
}

void RunnerSequencer::FinishMeasures() {
    for (Followed& followed : m_measures) followed.measure.Finish(m_run.launches[followed.record]);
    if (m_measures.empty()) return;
    m_measures.clear();
    m_runLogged = false;
    WriteRunLog();
}

long RunnerSequencer::SinceRunStart() {
    return static_cast<long>(MillisecondsOf(m_platform.clock.Now()) - m_runStart);
}

void RunnerSequencer::Pause() {
    if (!Running()) return;
    if (Paused()) return Resume();
    m_pausedPhase = m_phase;
    m_phase = Phase::Paused;
    Status(RunShown::Lamp::Stopped, "Paused");
    m_shown.paused = true;
}

// Every button that moves the run on resumes it, paused or not.
void RunnerSequencer::Resume() {
    if (Paused()) m_phase = m_pausedPhase;
    Status(RunShown::Lamp::Waiting, "");
    // The first countdown tick after a resume decrements against a stale
    // second: this keeps the number shown when the run was paused.
    ++m_remaining;
    // The idle wait measures again from now: the paused time is not its.
    if (m_phase == Phase::IdleWait && m_idlePending && m_platform.processors.Read(m_idleLast)) {
        m_lastSecond = m_platform.clock.Now().second;
        if (m_idleDisks) m_idleDisks = m_platform.processes.ReadDisks(m_disksLast);
    }
    m_shown.paused = false;
}

void RunnerSequencer::Skip() {
    if (!Running()) return;
    m_phase = Phase::Next;
    Resume();
}

// Between two items, the next one goes without its wait.
void RunnerSequencer::RunNow() {
    if (!Running()) return;
    const Phase phase = Paused() ? m_pausedPhase : m_phase;
    m_phase = phase == Phase::Next || phase == Phase::NextNow ? Phase::NextNow : Phase::Launching;
    Resume();
    Status(RunShown::Lamp::Go, "");
}

void RunnerSequencer::HoldForQuestion() {
    if (Paused()) return;
    m_pausedPhase = m_phase;
    m_phase = Phase::Paused;
}

void RunnerSequencer::JumpTo(int line, bool wasPaused) {
    m_phase = Phase::Next;
    m_shown.current = m_current = line - 1;
    if (wasPaused) Resume();
}

void RunnerSequencer::KeepCourse(bool wasPaused) {
    if (!wasPaused && Paused()) m_phase = m_pausedPhase;
}

// Both lock keys from one look at the keyboard: polled ten times a second,
// each look is a call to the system that a countdown pays for.
void RunnerSequencer::LockKeyStates(int& caps, int& scroll) {
    const std::vector<short> states = m_platform.keyboard.KeyStates({win::VkCapital, win::VkScroll});
    caps = states[0];  // sign-extended
    scroll = states[1];
}

void RunnerSequencer::ReadLockKeys() {
    LockKeyStates(m_capsLockState, m_scrollLockState);
    m_noWait = m_capsLockState;
    m_runNone = m_scrollLockState;
}

// A key's change since the last look counts; a button's No Wait or Run
// None outlives a look at an unchanged key.
void RunnerSequencer::PollLockKeys() {
    int caps = 0, scroll = 0;
    LockKeyStates(caps, scroll);
    if (caps != m_capsLockState) m_capsLockState = m_noWait = caps;
    if (scroll != m_scrollLockState) m_scrollLockState = m_runNone = scroll;
}

bool RunnerSequencer::PollDue() {
    if (--m_tickDivider >= 1) return false;
    PollLockKeys();
    m_tickDivider = 10;
    return true;
}

int RunnerSequencer::TakeFailure() {
    const int failed = m_failed;
    m_failed = -1;
    return failed;
}

bool RunnerSequencer::Step() {
    if (m_runNone) {
        Stop();
        return true;
    }
    if (m_noWait) {
        Resume();
        Status(RunShown::Lamp::Go, "");
        m_phase = m_phase == Phase::Next || m_phase == Phase::NextNow ? Phase::NextNow : Phase::Launching;
    }
    if (Paused()) return false;
    if (m_phase == Phase::Next || m_phase == Phase::NextNow) {
        const bool now = m_phase == Phase::NextNow;
        Advance();
        // No line after the selection: the run has ended, and nothing is launched.
        if (!Running()) return true;
        if (now) m_phase = Phase::Launching;
    }
    if (m_phase == Phase::Waiting) Countdown();
    if (m_phase == Phase::IdleWait) IdleWait();
    if (m_phase != Phase::Launching) return false;
    Launch();
    if (m_current < static_cast<int>(m_items.size()) - 1) {
        m_phase = Phase::Next;
        return false;
    }
    Stop();
    return true;
}

void RunnerSequencer::Advance() {
    if (m_current >= static_cast<int>(m_items.size()) - 1) return Stop();
    // A skip or a jump leaves a network wait unfinished.
    EndNetworkWaits();
    m_shown.current = ++m_current;
    RunItem& item = m_items[m_current];
    m_remaining = AtoiLike(item.wait);
    item.waitFrom = item.idleFrom = item.netFrom = -1;
    item.waited = "wait";
    item.network.clear();
    // Nothing is launched (turned off, or not today): no wait either.
    m_skip = SkipReason(item);
    if (item.off || m_skip != RunItem::State::NotRun) {
        Status(RunShown::Lamp::Go, "");
        m_phase = Phase::Launching;
    } else if (m_remaining > 0 && !m_noWait) {
        m_lastSecond = m_platform.clock.Now().second;
        item.waitFrom = SinceRunStart();
        ShowCountdown(true);
        m_phase = Phase::Waiting;
    } else if (m_noWait || !StartIdleWait()) {
        Status(RunShown::Lamp::Go, "");
        m_phase = Phase::Launching;
    }
}

void RunnerSequencer::Countdown() {
    const uint16_t second = m_platform.clock.Now().second;
    if (second != m_lastSecond) {
        --m_remaining;
        StatusText(IntToString(m_remaining));
        if (m_remaining < 1) {
            if (!StartIdleWait()) {
                ShowCountdown(false);
                m_phase = Phase::Launching;
            }
        }
    }
    m_lastSecond = second;
}

// The idle wait and the network wait go on together: the item goes when
// both are over.
bool RunnerSequencer::StartIdleWait() {
    RunItem& item = m_items[m_current];
    m_idlePending = item.idle && m_platform.processors.Read(m_idleLast);
    const bool network = item.options.Has(LaunchOptions::Network) && StartNetworkWait(item);
    if (!m_idlePending && !network) return false;
    m_phase = Phase::IdleWait;
    m_idleElapsed = m_idleQuiet = 0;
    m_lastSecond = m_platform.clock.Now().second;
    if (m_idlePending) {
        item.idleFrom = SinceRunStart();
        // Where no disk answers, the processors alone decide, and the record says so.
        m_idleDisks = m_platform.processes.ReadDisks(m_disksLast);
        m_run.idle = m_idleDisks && m_run.idle != "cpu" ? "cpu+disk" : "cpu";
    }
    Status(RunShown::Lamp::Waiting, m_idlePending ? "Idle?" : "Network?");
    m_shown.waitButtons = true;
    return true;
}

bool RunnerSequencer::StartNetworkWait(RunItem& item) {
    item.netFrom = SinceRunStart();
    const NetworkState state = m_platform.network.State();
    if (state != NetworkState::Down) {
        item.network = state == NetworkState::Up ? "up" : "unknown";
        return false;
    }
    item.netWaiting = true;
    ++m_shown.marks;
    return true;
}

// A second whose disks cannot be compared is the processors' alone.
int RunnerSequencer::IdleBusy() {
    ProcessorTimes now;
    if (!m_platform.processors.Read(now)) return -2;
    const int busy = BusyPercent(m_idleLast, now);
    m_idleLast = now;
    std::vector<DiskTimes> disks;
    const int disk = m_idleDisks && m_platform.processes.ReadDisks(disks) ? DiskBusyPercent(m_disksLast, disks) : -1;
    if (m_idleDisks) m_disksLast = disks;
    if (busy < 0) return busy;
    if (disk < 0) {
        StatusText("Idle? " + IntToString(busy) + "%");
        return busy;
    }
    StatusText("Idle? CPU " + IntToString(busy) + "% disk " + IntToString(disk) + "%");
    return busy > disk ? busy : disk;
}

// Once a second, each wait still going on looks again.
void RunnerSequencer::IdleWait() {
    const uint16_t second = m_platform.clock.Now().second;
    if (second == m_lastSecond) return;
    m_lastSecond = second;
    RunItem& item = m_items[m_current];
    ++m_idleElapsed;
    if (item.netWaiting) NetworkSecond(item);
    if (m_idlePending) IdleSecond(item);
    if (!m_idlePending && !item.netWaiting) EndWait();
}

// The processors' use over that second, shown; enough quiet seconds in a
// row, or the longest wait, and the idle wait is over.
void RunnerSequencer::IdleSecond(RunItem& item) {
    const int busy = IdleBusy();
    const char* ended = nullptr;
    if (busy == -2) {
        ended = "wait";
    } else {
        if (busy >= 0) m_idleQuiet = busy <= m_idleBusyPercent ? m_idleQuiet + 1 : 0;
        if (m_idleQuiet >= m_idleSeconds)
            ended = "idle";
        else if (m_idleElapsed >= m_idleLongest)
            ended = "longest";
    }
    if (ended == nullptr) return;
    item.waited = ended;
    m_idlePending = false;
    if (item.netWaiting) StatusText("Network?");
}

void RunnerSequencer::NetworkSecond(RunItem& item) {
    const NetworkState state = m_platform.network.State();
    if (state != NetworkState::Down)
        EndNetworkWait(item, state == NetworkState::Up ? "up" : "unknown");
    else if (m_idleElapsed >= m_networkLongest)
        EndNetworkWait(item, "longest");
}

void RunnerSequencer::EndNetworkWait(RunItem& item, const char* ended) {
    if (!item.netWaiting) return;
    item.netWaiting = false;
    item.network = ended;
    ++m_shown.marks;
}

void RunnerSequencer::EndNetworkWaits() {
    for (RunItem& item : m_items) EndNetworkWait(item, "now");
}

void RunnerSequencer::EndWait() {
    ShowCountdown(false);
    m_phase = Phase::Launching;
}

RunItem::State RunnerSequencer::SkipReason(const RunItem& item) {
    if (!item.options.OnDay(LaunchOptions::Weekday(m_platform.clock.LocalNow().dayOfWeek)))
        return RunItem::State::NotToday;
    // An unknown power state (255, or what else a system gives) is mains:
    // a desktop computer must not lose its items.
    if (item.options.Has(LaunchOptions::Mains) && m_platform.power.AcLine() == power::Battery) return RunItem::State::OnBattery;
    return RunItem::State::NotRun;
}

void RunnerSequencer::Record(const RunItem& item, const std::string& result) {
    LoggedLaunch record;
    record.name = item.name;
    record.launchedAt = item.launchedAt;
    record.waited = item.waited;
    record.result = result;
    record.waitFrom = item.waitFrom;
    record.idleFrom = item.idleFrom;
    record.netFrom = item.netFrom;
    record.network = item.network;
    m_run.launches.push_back(record);
    m_runLogged = false;
}

void RunnerSequencer::Launch() {
    RunItem& item = m_items[m_current];
    if (item.off) return SkipOff(item);
    // Run Now or No Wait cut its network wait short.
    EndNetworkWait(item, "now");
    if (m_skip != RunItem::State::NotRun) {
        item.state = m_skip;
        m_skip = RunItem::State::NotRun;
        return RecordTurn(item, item.state == RunItem::State::OnBattery ? LoggedLaunch::OnBattery : LoggedLaunch::NotToday);
    }
    if (LeftToWindows(item)) return;
    const bool minimised = item.options.Has(LaunchOptions::Minimised);
    const LaunchResult started = minimised ? LaunchMinimised(m_platform, item.path)
                                           : m_platform.shell.Launch("", item.path, "", DirectoryOf(item.path), win::SwShowNormal);
    // The watch holds a minimised item's process; the measure any other's.
    if (minimised) m_watch.Add(started.process);
    const intptr_t result = started.result;
    const bool launched = result > win::ShellExecuteFailureLimit;
    item.launchedAt = SinceRunStart();
    item.state = launched ? RunItem::State::Launched : RunItem::State::Failed;
    item.result = static_cast<int>(result);
    Record(item, launched ? "ok" : IntToString(item.result));
    if (launched && !minimised) return Follow(started.process, item.low);
    if (launched) return RecordUnmeasured(m_run.launches.back());
    if (!minimised) m_platform.shell.Release(started.process);
    Status(RunShown::Lamp::Stopped, "Error");
    ++m_shown.marks;
    m_failed = m_current;
}

// The process goes into its job before anything else: what it starts from
// now on is counted with it.
void RunnerSequencer::Follow(ProcessHandle process, bool low) {
    LoggedLaunch& record = m_run.launches.back();
    LaunchedProcess launched(m_platform.shell, m_platform.processes, process);
    if (!launched) return RecordUnmeasured(record);
    m_measures.push_back(
        Followed{m_run.launches.size() - 1, LaunchMeasure(std::move(launched), m_platform.processes, record.launchedAt, low)});
}

const HeldPlace* RunnerSequencer::PlaceStartingItem(const RunItem& item, const PlaceEntry** entry) {
    std::string command;
    {
        const ComScope com(m_platform.links);
        if (com.Started()) command = ShortcutCommandKey(m_platform.links, item.path);
    }
    return PlaceStarting(m_held, command, entry);
}

void RunnerSequencer::RecordTurn(RunItem& item, const char* result) {
    ++m_shown.marks;
    // Its turn is in the record too, taken now.
    item.launchedAt = SinceRunStart();
    Record(item, result);
}

bool RunnerSequencer::LeftToWindows(RunItem& item) {
    if (PlaceStartingItem(item) == nullptr) return false;
    item.state = RunItem::State::LeftToWindows;
    // Its turn is in the record too, as Windows' launch.
    RecordTurn(item, LoggedLaunch::LeftToWindows);
    return true;
}

// A program that puts itself back at every start would beat the user's
// choice: its entry is turned off where Windows keeps that, as Task Manager
// does, and Windows does not start it either.
void RunnerSequencer::SkipOff(RunItem& item) {
    const PlaceEntry* entry = nullptr;
    const HeldPlace* held = PlaceStartingItem(item, &entry);
    item.state = held == nullptr ? RunItem::State::Off
               : WriteApproved(m_platform.registry, m_platform.clock, held->place, entry->name, ApprovedWrite::Off)
                   ? RunItem::State::OffThereToo
                   : RunItem::State::OffNotThere;
    RecordTurn(item, LoggedLaunch::TurnedOff);
}
