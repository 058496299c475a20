#pragma once
// The processes the memory shell launched, as a test scripts them: what each
// has cost so far and whether it runs; and the system's ways of refusing or
// misreporting each measure, as some systems do.
#include <map>
#include <string>
#include <vector>

#include "platform/Processes.h"
#include "platform/memory/Faults.h"

class MemoryShell;

struct MemoryProgram {
    long cpuMs = 0;  // its own and its children's
    uint64_t read = 0, written = 0;
    bool running = true;
    bool low = false;  // its priority as last set
    JobHandle job = 0;
};

class MemoryProcesses : public IProcesses {
public:
    MemoryProcesses(Faults& faults, MemoryShell& shell) : m_faults(faults), m_shell(shell) {}
    // The program that the last launch of the file started.
    MemoryProgram& Of(const std::string& file);

    JobHandle Contain(ProcessHandle process) override;
    void CloseJob(JobHandle job) override;
    bool JobCost(JobHandle job, ::ProcessCost& cost, unsigned& active) override;
    bool ProcessCost(ProcessHandle process, ::ProcessCost& cost) override;
    bool OwnTime(uint64_t& cpu) override;
    bool ThreadTime(ProcessHandle process, uint64_t& cpu) override;
    void Forget(ProcessHandle process) override { forgotten.push_back(process); }
    std::vector<ProcessHandle> forgotten;
    bool Ended(ProcessHandle process) override;
    void SetLowPriority(ProcessHandle process, JobHandle job, bool low) override;
    bool ReadDisks(std::vector<DiskTimes>& read) override;

    std::map<ProcessHandle, MemoryProgram> programs;
    bool jobs = true;           // false: no job can be made (a system before Windows 8)
    bool jobAccounting = true;  // false: a job counts its processes, nothing else
    bool processTimes = true;   // false: a process's times are the caller's own
    bool ioCounters = true;     // false: they read zeros
    bool threadTimes = true;
    int threadReads = 0;
    uint64_t ownCpu = 4560000;  // the caller's own processor time
    std::vector<DiskTimes> disks;  // none: no disk answers
    std::vector<JobHandle> openJobs;
    // The disks busy for that share of the time given.
    void SpendDisks(int milliseconds, int busyPercent);

private:
    MemoryProgram* Find(ProcessHandle process);
    bool Refused();

    Faults& m_faults;
    MemoryShell& m_shell;
    JobHandle m_lastJob = 0x900;
};
