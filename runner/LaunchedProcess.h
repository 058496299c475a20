#pragma once
// A launched item's process and the job that holds it and what it starts,
// kept open while anyone follows them; the last holder to let go closes
// both. Nothing here ends the item.
#include <memory>

#include "platform/Processes.h"
#include "platform/Shell.h"

class LaunchedProcess {
public:
    // Puts the process into a job of its own at once, before it can start
    // others; without a job it is followed alone. Null for no process.
    static std::shared_ptr<LaunchedProcess> Hold(IShell& shell, IProcesses& processes, ProcessHandle process);
    LaunchedProcess(IShell& shell, IProcesses& processes, ProcessHandle process);
    ~LaunchedProcess();
    LaunchedProcess(const LaunchedProcess&) = delete;
    LaunchedProcess& operator=(const LaunchedProcess&) = delete;

    ProcessHandle Process() const { return m_process; }
    JobHandle Job() const { return m_job; }

private:
    IShell& m_shell;
    IProcesses& m_processes;
    const ProcessHandle m_process;
    const JobHandle m_job;
};
