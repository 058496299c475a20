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
};

class MemoryShell : public IShell {
public:
    MemoryShell(Faults& faults, MemoryFileSystem& files);
    intptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int showCommand) override;
    std::string FailureText(intptr_t result) override;
    bool ExecuteEx(const std::string& verb, const std::string& file, const std::string& parameters,
                   const std::string& directory, int showCommand) override;

    std::vector<Launch> launches;
    // What ShellExecuteA gives for a file that cannot be launched (2: not
    // found; 31: no program for it; 32: a library missing).
    intptr_t failure = win::SeErrFileNotFound;

private:
    bool Finds(const std::string& file);

    Faults& m_faults;
    MemoryFileSystem& m_files;
};
