#pragma once
// What the programs a launch started cost, and how eager they may be: jobs,
// processor times, I/O counters, priority; and the physical disks' idle time.
#include <cstdint>
#include <vector>

#include "platform/Shell.h"

// A job object of ours holding a launched process and what it starts; 0: none.
using JobHandle = std::uintptr_t;

// Processor time in 100 ns units, I/O in bytes; operations counts every
// request, so that all zeros can be told from a process that did nothing.
struct ProcessCost {
    uint64_t cpu = 0;
    uint64_t read = 0, written = 0, operations = 0;
    bool io = false;  // the I/O figures were given
};

// A physical disk's counters (IOCTL_DISK_PERFORMANCE), in 100 ns units.
struct DiskTimes {
    uint64_t idle = 0, query = 0;
};

class IProcesses {
public:
    virtual ~IProcesses() = default;
    // A job of its own with the process in it (nested in any job it is in
    // already); 0 when the system refuses. The job never ends what it holds.
    virtual JobHandle Contain(ProcessHandle process) = 0;
    virtual void CloseJob(JobHandle job) = 0;
    // The job's totals, and how many of its processes run now; false when
    // the system gives none.
    virtual bool JobCost(JobHandle job, ProcessCost& cost, unsigned& active) = 0;
    // The process's own totals (GetProcessTimes, GetProcessIoCounters).
    virtual bool ProcessCost(ProcessHandle process, ::ProcessCost& cost) = 0;
    // The caller's own processor time: some systems answer with it for any process.
    virtual bool OwnTime(uint64_t& cpu) = 0;
    // The sum of the times of the process's threads now; false once it has
    // ended. What it keeps to read them again stays until Forget.
    virtual bool ThreadTime(ProcessHandle process, uint64_t& cpu) = 0;
    virtual void Forget(ProcessHandle process) = 0;
    virtual bool Ended(ProcessHandle process) = 0;
    // Below normal priority, or normal again: through the job where there
    // is one, else on the process. Some systems ignore it.
    virtual void SetLowPriority(ProcessHandle process, JobHandle job, bool low) = 0;
    // Every physical disk in order; false when none answers.
    virtual bool ReadDisks(std::vector<DiskTimes>& disks) = 0;
};

// For a program that launches nothing.
class NoProcesses : public IProcesses {
public:
    JobHandle Contain(ProcessHandle) override { return 0; }
    void CloseJob(JobHandle) override {}
    bool JobCost(JobHandle, ::ProcessCost&, unsigned&) override { return false; }
    bool ProcessCost(ProcessHandle, ::ProcessCost&) override { return false; }
    bool OwnTime(uint64_t&) override { return false; }
    bool ThreadTime(ProcessHandle, uint64_t&) override { return false; }
    void Forget(ProcessHandle) override {}
    bool Ended(ProcessHandle) override { return true; }
    void SetLowPriority(ProcessHandle, JobHandle, bool) override {}
    bool ReadDisks(std::vector<DiskTimes>&) override { return false; }
};

// The busiest disk's share of time not idle between two readings, in
// percent; -1 when the readings do not compare (another count of disks, or
// no time passed).
int DiskBusyPercent(const std::vector<DiskTimes>& before, const std::vector<DiskTimes>& after);
