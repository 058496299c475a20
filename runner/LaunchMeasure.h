#pragma once
// What one launch cost over its first minute: processor time and bytes read
// and written, each from the best source the system answers truly for.
#include <cstdint>
#include <string>

#include "common/StartupLog.h"
#include "runner/LaunchedProcess.h"

constexpr long kMeasuredMs = 60000;
// Where only the threads answer, they can be read only while they run:
// read every second, an item that works for a second and ends is measured.
constexpr long kReadEveryMs = 1000;

// Task Manager's thresholds: "high", "medium", "low"; "unmeasured" when
// neither figure is known (-1).
const char* RateImpact(long cpuMs, long long bytes);

class LaunchMeasure {
public:
    // low: the item's processes run below normal priority until the end.
    LaunchMeasure(LaunchedProcess launched, IProcesses& processes, long launchedAt, bool low);
    // A reading when kReadEveryMs have passed since the last; true once the
    // minute is over or nothing of the item is left to read.
    bool Sample(long now);
    // The last reading; the priority back to normal; the process let go.
    // The figures, their rating and their sources go into the record.
    void Finish(LoggedLaunch& record);

private:
    void Read();
    void Check(uint64_t claimed, uint64_t threads, bool& lies);
    // A job that counted a running process and never less than its threads.
    bool JobTrue() const { return m_jobSeen && !m_jobLies; }

    LaunchedProcess m_launched;
    IProcesses* m_processes;  // a pointer: measures are moved about
    long m_launchedAt, m_lastRead;
    bool m_low;
    // The largest total each source gave, and whether it gave a true one:
    // a job that never counted a running process, process times that are
    // the runner's own, and a source that counts less than the threads are
    // no measure. Verified: a source matched the threads.
    uint64_t m_jobCpu = 0, m_processCpu = 0, m_threadCpu = 0;
    uint64_t m_jobBytes = 0, m_processBytes = 0;
    bool m_jobSeen = false, m_jobLies = false, m_jobIo = false, m_jobEmpty = false;
    bool m_processSeen = false, m_processLies = false, m_processIo = false, m_processOwn = false;
    bool m_threads = false, m_verified = false;
    unsigned m_jobActive = 0;
};

// A launch that gave no process to follow.
void RecordUnmeasured(LoggedLaunch& record);
