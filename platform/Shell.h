#pragma once
// Launching through the shell.
#include <cstdint>
#include <string>

class IShell {
public:
    virtual ~IShell() = default;
    // ShellExecuteA with the desktop window as owner; the result as the
    // platform gives it (32 or less is a failure).
    virtual intptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int showCommand) = 0;
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
