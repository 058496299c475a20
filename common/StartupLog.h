#pragma once
// Orvane.log, beside Orvane.ini: what the runner did at each start-up, the
// last runs only. A run is its start's line, then one line per launch:
//   Start-up 2026-12-07 08:14:03 UTC
//   "Mail", 12034, idle, ok, 2000, 7010
// the name, the milliseconds from the run's start to the launch, what the
// item waited for (wait, idle, longest: the limit ended the idle wait), the
// result (ok, the error number, windows: its program had put itself back
// where Windows starts it, and Orvane left it to Windows, or off: the user
// turned it off, and it was not launched), then when its
// plain wait and its idle wait began (-1: it had none). An item that waited
// for the network adds when that wait began and what ended it (up, longest,
// unknown: the system could not tell, now: the user's Run Now or No Wait):
//   "Chat", 15020, wait, ok, -1, -1, 3010, up
// An item its options kept from starting has the result battery (not on
// mains power) or day (not one of its days). A launch measured then adds
// (after "-1, none" where it had no network wait) its processor
// milliseconds and bytes read and written over its first minute (-1: not
// measured), its rating (high, medium, low, unmeasured) and where each
// figure came from (job, process, threads, none):
//   "Mail", 12034, idle, ok, 2000, 7010, -1, none, 1510, -1, high, threads, none
// A run whose items waited for an idle computer says what was watched:
//   Idle: cpu+disk      (or cpu: no disk answered)
#include <cstdint>
#include <string>
#include <vector>

#include "common/Milliseconds.h"
#include "platform/Clock.h"

class IFileSystem;

struct LoggedLaunch {
    std::string name;
    long launchedAt = 0;
    std::string waited = "wait";
    std::string result = "ok";
    long waitFrom = -1, idleFrom = -1;
    long netFrom = -1;
    std::string network;
    // The measure; impact empty: none recorded.
    long cpuMs = -1;
    long long bytes = -1;
    std::string impact, cpuFrom, diskFrom;
    static constexpr const char* LeftToWindows = "windows";
    static constexpr const char* TurnedOff = "off";
    static constexpr const char* OnBattery = "battery";
    static constexpr const char* NotToday = "day";
    bool Left() const { return result == LeftToWindows; }
    bool Off() const { return result == TurnedOff; }
    bool Skipped() const { return result == OnBattery || result == NotToday; }
    bool Failed() const { return result != "ok" && !Left() && !Off() && !Skipped(); }
};

struct LoggedRun {
    std::string started;  // "2026-12-07 08:14:03 UTC"
    std::vector<LoggedLaunch> launches;
    std::string idle;  // what the idle waits watched: cpu, cpu+disk; empty: none
};

constexpr std::size_t kLoggedRuns = 20;
// The lines that begin a run, and that say what its idle waits watched.
constexpr char kRunMark[] = "Start-up ";
constexpr char kIdleMark[] = "Idle: ";

// Orvane.log in the folder of the manager information file.
std::string StartupLogPath(const std::string& iniPath);
// "2026-12-07 08:14:03 UTC".
std::string StartedText(const SystemTime& time);

std::string FormatLaunch(const LoggedLaunch& launch);
// False for a line that is no launch.
bool ParseLaunch(const std::string& line, LoggedLaunch& launch);

// The rating of the item's launch in the last run that launched it; empty
// when none did, or that run's line holds no measure.
std::string LastImpact(const std::vector<LoggedRun>& runs, const std::string& name);

// The runs in the file, oldest first; none when it cannot be read.
std::vector<LoggedRun> ReadStartupLog(IFileSystem& files, const std::string& path);
// The same; false when the file is there but cannot be read.
bool ReadStartupRuns(IFileSystem& files, const std::string& path, std::vector<LoggedRun>& runs);
// Adds the run after the last kLoggedRuns - 1 of those in the file, written
// beside it and put in its place whole; again: in place of the file's last
// run, when it started at the same time. False when it could not be
// written; the file is then as it was.
bool AppendStartupRun(IFileSystem& files, const std::string& path, const LoggedRun& run, bool again = false);
