#include "runner/LaunchedProcess.h"

std::shared_ptr<LaunchedProcess> LaunchedProcess::Hold(IShell& shell, IProcesses& processes, ProcessHandle process) {
    if (process == 0) return nullptr;
    return std::make_shared<LaunchedProcess>(shell, processes, process);
}

LaunchedProcess::LaunchedProcess(IShell& shell, IProcesses& processes, ProcessHandle process)
    : m_shell(shell), m_processes(processes), m_process(process), m_job(processes.Contain(process)) {}

LaunchedProcess::~LaunchedProcess() {
    if (m_job != 0) m_processes.CloseJob(m_job);
    m_shell.Release(m_process);
}
