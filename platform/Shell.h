#pragma once
// Launching through the shell.
#include <cstdint>
#include <string>

// A process a launch started, open for whoever follows it; 0 when the shell
// gave none (a document handed to a program already running, an address, a
// shortcut under some systems).
using ProcessHandle = std::uintptr_t;
struct LaunchResult {
    intptr_t result = 0;  // as ShellExecuteA's: 32 or less is a failure
    ProcessHandle process = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    // ShellExecuteA with the desktop window as owner; the result as the
    // platform gives it (32 or less is a failure).
    virtual intptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int showCommand) = 0;
    // A launch that keeps the process it started (ShellExecuteExA with
    // SEE_MASK_NOCLOSEPROCESS), otherwise as Execute: the same owner, no box
    // and result. Its process stays open until Release.
    virtual LaunchResult Launch(const std::string& verb, const std::string& file, const std::string& parameters,
                            const std::string& directory, int showCommand) = 0;
    virtual void Release(ProcessHandle process) = 0;
    // ShellExecuteExA, showing no box of the shell's own on failure; true on success.
    virtual bool ExecuteEx(const std::string& verb, const std::string& file, const std::string& parameters,
                           const std::string& directory, int showCommand) = 0;
    // The system's words for a failed Execute's result (FormatMessageA of
    // the error it stands for), without the line end; empty when it has none.
    virtual std::string FailureText(intptr_t result) = 0;
};

// The system error a failed ShellExecuteA result stands for (its SE_ERR_
// codes below 32 are the same numbers as the errors only up to 11).
unsigned ErrorOfShellResult(intptr_t result);
