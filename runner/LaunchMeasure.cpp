#include "runner/LaunchMeasure.h"

#include <algorithm>

namespace {

constexpr uint64_t PerMs = 10000;  // 100 ns units

void KeepLarger(uint64_t& kept, uint64_t read) { kept = std::max(kept, read); }

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

void LaunchMeasure::Read() {
    const ProcessHandle process = m_launched.Process();
    ProcessCost cost;
    unsigned active = 0;
    if (m_launched.Job() != 0 && m_processes->JobCost(m_launched.Job(), cost, active)) {
        m_jobTrue = m_jobTrue || active > 0;
        m_jobActive = active;
        KeepLarger(m_jobCpu, cost.cpu);
        if (cost.io && cost.operations > 0) {
            m_jobIo = true;
            KeepLarger(m_jobBytes, cost.read + cost.written);
        }
    }
    // Read between two looks at the runner's own time: a figure between
    // them is the runner's.
    uint64_t before = 0, after = 0;
    const bool own = m_processes->OwnTime(before);
    if (m_processes->ProcessCost(process, cost)) {
        if (!(own && m_processes->OwnTime(after) && cost.cpu >= before && cost.cpu <= after)) {
            m_processTrue = true;
            KeepLarger(m_processCpu, cost.cpu);
        }
        if (cost.io && cost.operations > 0) {
            m_processIo = true;
            KeepLarger(m_processBytes, cost.read + cost.written);
        }
    }
    // The threads' times are the last resort, and the dearest reading.
    uint64_t threads = 0;
    if (!m_processTrue && !m_jobTrue && m_processes->ThreadTime(process, threads)) {
        m_threads = true;
        KeepLarger(m_threadCpu, threads);
    }
}

bool LaunchMeasure::Sample(long now) {
    if (now - m_launchedAt >= kMeasuredMs) return true;
    if (now - m_lastRead < 1000) return false;
    m_lastRead = now;
    Read();
    // A job that counts its processes says when all have ended.
    return m_processes->Ended(m_launched.Process()) && (!m_jobTrue || m_jobActive == 0);
}

void LaunchMeasure::Finish(LoggedLaunch& record) {
    Read();
    if (m_low) m_processes->SetLowPriority(m_launched.Process(), m_launched.Job(), false);
    m_launched.Let();
    const char* cpuFrom = m_jobTrue ? "job" : m_processTrue ? "process" : m_threads ? "threads" : "none";
    const uint64_t cpu = m_jobTrue ? m_jobCpu : m_processTrue ? m_processCpu : m_threadCpu;
    const bool jobIo = m_jobTrue && m_jobIo;
    record.cpuMs = *cpuFrom == 'n' ? -1 : static_cast<long>(cpu / PerMs);
    record.bytes = jobIo ? static_cast<long long>(m_jobBytes)
                         : m_processIo ? static_cast<long long>(m_processBytes) : -1;
    record.diskFrom = jobIo ? "job" : m_processIo ? "process" : "none";
    record.cpuFrom = cpuFrom;
    record.impact = RateImpact(record.cpuMs, record.bytes);
}
