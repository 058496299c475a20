#pragma once
// Jobs, process and thread times, I/O counters, priority and disk counters
// as the system gives them; only the runner holds one.
#include "platform/Processes.h"

class Win32Processes : public IProcesses {
public:
    JobHandle Contain(ProcessHandle process) override;
    void CloseJob(JobHandle job) override;
    bool JobCost(JobHandle job, ::ProcessCost& cost, unsigned& active) override;
    bool ProcessCost(ProcessHandle process, ::ProcessCost& cost) override;
    bool OwnTime(uint64_t& cpu) override;
    bool ThreadTime(ProcessHandle process, uint64_t& cpu) override;
    bool Ended(ProcessHandle process) override;
    void SetLowPriority(ProcessHandle process, JobHandle job, bool low) override;
    bool ReadDisks(std::vector<DiskTimes>& disks) override;
};
