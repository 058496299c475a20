#pragma once
// Launching through ShellExecuteA and ShellExecuteExA.
#include "platform/Shell.h"

class Win32Shell : public IShell {
public:
    intptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int showCommand) override;
    // Owned by the thread's active window, the program's main dialog.
    LaunchResult Launch(const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int showCommand) override;
    void Release(ProcessHandle process) override;
    bool ExecuteEx(const std::string& verb, const std::string& file, const std::string& parameters,
                   const std::string& directory, int showCommand) override;
    std::string FailureText(intptr_t result) override;
};
