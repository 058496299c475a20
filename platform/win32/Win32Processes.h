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
    // A snapshot of all the system's threads is dear (under Wine it costs a
    // countdown half its processor time again): the threads found are kept
    // open and read, and looked for again only every tenth reading.
    bool ThreadTime(ProcessHandle process, uint64_t& cpu) override;
    void Forget(ProcessHandle process) override;
    bool Ended(ProcessHandle process) override;
    void SetLowPriority(ProcessHandle process, JobHandle job, bool low) override;
    bool ReadDisks(std::vector<DiskTimes>& disks) override;

    ~Win32Processes() override;

private:
    // A list, not a vector of vectors: the runner is kept small.
    struct Threads {
        ProcessHandle process;
        Threads* next;
        int reads, count;
        uint32_t ids[32];  // threads beyond these go uncounted
        void* handles[32];
    };
    Threads* m_threads = nullptr;
};
