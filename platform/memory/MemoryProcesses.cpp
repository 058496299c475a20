#include "platform/memory/MemoryProcesses.h"

#include <algorithm>
#include <cstdlib>

#include "platform/memory/MemoryShell.h"

namespace {
constexpr uint64_t PerMs = 10000;
}

MemoryProgram& MemoryProcesses::Of(const std::string& file) {
    for (auto launch = m_shell.launches.rbegin(); launch != m_shell.launches.rend(); ++launch)
        if (launch->file == file && launch->process != 0) return programs[launch->process];
    abort();  // the test scripts a program that was never launched
}

// Each launched process is known by its handle once anything asks of it.
MemoryProgram* MemoryProcesses::Find(ProcessHandle process) {
    if (process == 0 || std::find(m_shell.open.begin(), m_shell.open.end(), process) == m_shell.open.end()) abort();
    return &programs[process];
}

bool MemoryProcesses::Refused() {
    return m_faults.Hit(Fault::Measure, "");
}

JobHandle MemoryProcesses::Contain(ProcessHandle process) {
    MemoryProgram* program = Find(process);
    if (Refused() || !jobs) return 0;
    program->job = ++m_lastJob;
    openJobs.push_back(program->job);
    return program->job;
}

void MemoryProcesses::CloseJob(JobHandle job) {
    const auto found = std::find(openJobs.begin(), openJobs.end(), job);
    if (found == openJobs.end()) abort();
    openJobs.erase(found);
}

bool MemoryProcesses::JobCost(JobHandle job, ::ProcessCost& cost, unsigned& active) {
    if (std::find(openJobs.begin(), openJobs.end(), job) == openJobs.end()) abort();
    if (Refused()) return false;
    cost = ::ProcessCost{};
    cost.io = jobAccounting;
    active = 0;
    for (const auto& each : programs) {
        if (each.second.job != job) continue;
        active += each.second.running ? 1 : 0;
        if (!jobAccounting) continue;
        cost.cpu += static_cast<uint64_t>(each.second.cpuMs) * PerMs;
        cost.read += each.second.read;
        cost.written += each.second.written;
        cost.operations += 1;
    }
    return true;
}

bool MemoryProcesses::ProcessCost(ProcessHandle process, ::ProcessCost& cost) {
    const MemoryProgram* program = Find(process);
    if (Refused()) return false;
    cost = ::ProcessCost{};
    cost.cpu = processTimes ? static_cast<uint64_t>(program->cpuMs) * PerMs : ownCpu;
    cost.io = true;
    if (ioCounters) {
        cost.read = program->read;
        cost.written = program->written;
        cost.operations = 1;
    }
    return true;
}

bool MemoryProcesses::OwnTime(uint64_t& cpu) {
    if (Refused()) return false;
    cpu = ownCpu;
    return true;
}

bool MemoryProcesses::ThreadTime(ProcessHandle process, uint64_t& cpu) {
    const MemoryProgram* program = Find(process);
    ++threadReads;
    if (Refused() || !threadTimes || !program->running) return false;
    cpu = static_cast<uint64_t>(program->cpuMs) * PerMs;
    return true;
}

bool MemoryProcesses::Ended(ProcessHandle process) {
    return !Find(process)->running;
}

void MemoryProcesses::SetLowPriority(ProcessHandle process, JobHandle job, bool low) {
    if (Refused()) return;
    if (job == 0) {
        Find(process)->low = low;
        return;
    }
    for (auto& each : programs)
        if (each.second.job == job) each.second.low = low;
}

bool MemoryProcesses::ReadDisks(std::vector<DiskTimes>& read) {
    if (Refused() || disks.empty()) return false;
    read = disks;
    return true;
}

void MemoryProcesses::SpendDisks(int milliseconds, int busyPercent) {
    const uint64_t total = static_cast<uint64_t>(milliseconds) * PerMs;
    for (DiskTimes& disk : disks) {
        disk.query += total;
        disk.idle += total - total * static_cast<uint64_t>(busyPercent) / 100;
    }
}
