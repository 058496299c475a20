#pragma once
// A launched item's process and the job that holds it and what it starts,
// kept open while anyone follows them (copies of the holder share them);
// the last holder to let go closes both. Nothing here ends the item.
#include "platform/Processes.h"
#include "platform/Shell.h"

class LaunchedProcess {
public:
    LaunchedProcess() = default;
    // Puts the process into a job of its own at once, before it can start
    // others; without a job it is followed alone. No process: holds nothing.
    LaunchedProcess(IShell& shell, IProcesses& processes, ProcessHandle process);
    LaunchedProcess(const LaunchedProcess& other);
    LaunchedProcess(LaunchedProcess&& other) noexcept;
    LaunchedProcess& operator=(LaunchedProcess other) noexcept;
    ~LaunchedProcess() { Let(); }

    explicit operator bool() const { return m_held != nullptr; }
    ProcessHandle Process() const { return m_held ? m_held->process : 0; }
    JobHandle Job() const { return m_held ? m_held->job : 0; }
    void Let();

private:
    // No shared_ptr: it brings the unwinder the programs leave out.
    struct Held {
        IShell& shell;
        IProcesses& processes;
        ProcessHandle process;
        JobHandle job;
        int holders;
    };
    Held* m_held = nullptr;
};
