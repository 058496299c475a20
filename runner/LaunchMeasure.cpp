#include "runner/LaunchMeasure.h"

#include <algorithm>

namespace {

constexpr uint64_t PerMs = 10000;  // 100 ns units
constexpr uint64_t Tick = 156250;  // the system clock's 15.6 ms, by which counts may differ

void KeepLarger(uint64_t& kept, uint64_t read) { kept = std::max(kept, read); }

// Counters of all zeros are none: any process that ran did some I/O.
void KeepBytes(const ProcessCost& cost, bool& given, uint64_t& kept) {
    if (!cost.io || cost.operations == 0) return;
    given = true;
    KeepLarger(kept, cost.read + cost.written);
}

}  // namespace

const char* RateImpact(long cpuMs, long long bytes) {
    if (cpuMs < 0 && bytes < 0) return "unmeasured";
    if (cpuMs > 1000 || bytes > 3LL * 1024 * 1024) return "high";
    if (cpuMs >= 300 || bytes >= 300LL * 1024) return "medium";
    return "low";
}

void RecordUnmeasured(LoggedLaunch& record) {
    record.cpuMs = record.bytes = -1;
    record.impact = RateImpact(-1, -1);
    record.cpuFrom = record.diskFrom = "none";
}

LaunchMeasure::LaunchMeasure(LaunchedProcess launched, IProcesses& processes, long launchedAt,
                             bool low)
    : m_launched(std::move(launched)), m_processes(&processes), m_launchedAt(launchedAt), m_lastRead(launchedAt),
      m_low(low) {
    if (m_low) m_processes->SetLowPriority(m_launched.Process(), m_launched.Job(), true);
}

// The threads' times of the running process are the truth the other
// sources are held to until one of them matches it: a source that counts
// less than the process's own threads does not count what it claims to.
void LaunchMeasure::Check(uint64_t claimed, uint64_t threads, bool& lies) {
    if (claimed + Tick < threads)
        lies = true;
    else if (threads > 0 && !lies)
        m_verified = true;
}

void LaunchMeasure::Read() {
    const ProcessHandle process = m_launched.Process();
    uint64_t threads = 0;
    const bool threadsRead = !m_verified && m_processes->ThreadTime(process, threads);
    if (threadsRead) {
        m_threads = true;
        KeepLarger(m_threadCpu, threads);
    }
    ProcessCost cost;
    unsigned active = 0;
    // A job that counts no process while the item's threads run never
    // counted it: it is not asked again.
    if (m_launched.Job() != 0 && !m_jobEmpty && m_processes->JobCost(m_launched.Job(), cost, active)) {
        m_jobEmpty = !m_jobSeen && active == 0 && threadsRead;
        m_jobSeen = m_jobSeen || active > 0;
        m_jobActive = active;
        KeepLarger(m_jobCpu, cost.cpu);
        if (threadsRead) Check(cost.cpu, threads, m_jobLies);
        KeepBytes(cost, m_jobIo, m_jobBytes);
    }
    // Read between two looks at the runner's own time: a figure between
    // them is the runner's, and a system that answers so once for another
    // process is not asked again (each question is a round trip to it).
    uint64_t before = 0, after = 0;
    const bool own = !m_processOwn && m_processes->OwnTime(before);
    if (!m_processOwn && m_processes->ProcessCost(process, cost)) {
        m_processOwn = own && m_processes->OwnTime(after) && cost.cpu >= before && cost.cpu <= after;
        if (!m_processOwn) {
            m_processSeen = true;
            KeepLarger(m_processCpu, cost.cpu);
            if (threadsRead) Check(cost.cpu, threads, m_processLies);
            KeepBytes(cost, m_processIo, m_processBytes);
        }
    }
}

bool LaunchMeasure::Sample(long now) {
    if (now - m_launchedAt >= kMeasuredMs) return true;
    if (now - m_lastRead < kReadEveryMs) return false;
    m_lastRead = now;
    Read();
    // A job that counts its processes says when all have ended.
    return m_processes->Ended(m_launched.Process()) && (!JobTrue() || m_jobActive == 0);
}

void LaunchMeasure::Finish(LoggedLaunch& record) {
    Read();
    if (m_low) m_processes->SetLowPriority(m_launched.Process(), m_launched.Job(), false);
    m_launched.Let();
    const bool processTrue = m_processSeen && !m_processLies;
    const char* cpuFrom = JobTrue() ? "job" : processTrue ? "process" : m_threads ? "threads" : "none";
    const uint64_t cpu = JobTrue() ? m_jobCpu : processTrue ? m_processCpu : m_threadCpu;
    const bool jobIo = JobTrue() && m_jobIo;
    record.cpuMs = *cpuFrom == 'n' ? -1 : static_cast<long>(cpu / PerMs);
    record.bytes = jobIo ? static_cast<long long>(m_jobBytes)
                         : m_processIo ? static_cast<long long>(m_processBytes) : -1;
    record.diskFrom = jobIo ? "job" : m_processIo ? "process" : "none";
    record.cpuFrom = cpuFrom;
    record.impact = RateImpact(record.cpuMs, record.bytes);
}
