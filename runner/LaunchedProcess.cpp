#include "runner/LaunchedProcess.h"

#include <utility>

LaunchedProcess::LaunchedProcess(IShell& shell, IProcesses& processes, ProcessHandle process) {
    if (process != 0) m_held = new Held{shell, processes, process, processes.Contain(process), 1};
}

LaunchedProcess::LaunchedProcess(const LaunchedProcess& other) : m_held(other.m_held) {
    if (m_held) ++m_held->holders;
}

LaunchedProcess::LaunchedProcess(LaunchedProcess&& other) noexcept : m_held(std::exchange(other.m_held, nullptr)) {}

LaunchedProcess& LaunchedProcess::operator=(LaunchedProcess other) noexcept {
    std::swap(m_held, other.m_held);
    return *this;
}

void LaunchedProcess::Let() {
    Held* held = std::exchange(m_held, nullptr);
    if (!held || --held->holders > 0) return;
    if (held->job != 0) held->processes.CloseJob(held->job);
    held->processes.Forget(held->process);
    held->shell.Release(held->process);
    delete held;
}
