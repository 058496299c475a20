#pragma once
// The shell in memory: records every launch; a file that exists launches
// (33), a missing one fails with 2, as the real shell answers. The system's
// own programs lie in the Windows directory (see MemoryWorld).
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "platform/WinValues.h"
#include "platform/memory/Faults.h"

class MemoryFileSystem;

struct Launch {
    std::string verb, file, parameters, directory;
    int showCommand = 0;
    bool ex = false;  // through ShellExecuteExA
    ProcessHandle process = 0;
};

class MemoryShell : public IShell {
public:
    MemoryShell(Faults& faults, MemoryFileSystem& files);
    intptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int showCommand) override;
    std::string FailureText(intptr_t result) override;
    bool ExecuteEx(const std::string& verb, const std::string& file, const std::string& parameters,
                   const std::string& directory, int showCommand) override;
    // A file launched gives a process of its own, an address none, and
    // none at all while processless is set (as a shortcut under Wine).
    LaunchResult Launch(const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int showCommand) override;
    void Release(ProcessHandle process) override;
    bool processless = false;
    // The processes launched and not yet released, in launch order.
    std::vector<ProcessHandle> open;

    std::vector<::Launch> launches;
    // What ShellExecuteA gives for a file that cannot be launched (2: not
    // found; 31: no program for it; 32: a library missing).
    intptr_t failure = win::SeErrFileNotFound;

private:
    bool Finds(const std::string& file);

    ProcessHandle m_lastProcess = 0x100;
    Faults& m_faults;
    MemoryFileSystem& m_files;
};
