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
};
