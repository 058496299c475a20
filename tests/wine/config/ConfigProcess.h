#pragma once
// OrvaneConfig.exe driven from outside its process: a scratch copy in a
// folder of its own, its windows found and worked through window messages,
// its message boxes read and answered as a person would.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/wine/support/Driving.h"

class ConfigInstall {
public:
    // A fresh folder (its name holds a blank) with a copy of OrvaneConfig.exe
    // and, when withRunner and the build has one, of Orvane.exe.
    explicit ConfigInstall(bool withRunner = true);

    bool Start();
    bool WaitForExit(DWORD milliseconds);
    bool Running();
    DWORD ProcessId() const { return m_process.Id(); }

    // The main dialog, once shown.
    HWND WaitForDialog(DWORD milliseconds = 15000);
    // The next message box of the program (caption "OrvaneConfig").
    HWND WaitForMessageBox(DWORD milliseconds = 15000);
    // A dialog of the program by its caption.
    HWND WaitForDialogTitled(const char* caption, DWORD milliseconds = 15000);

    std::string dir;  // with its trailing backslash
    DWORD startTicks = 0;

private:
    ProgramProcess m_process;
};

bool DirectoryExists(const std::string& path);
// Names of the files of a directory, in enumeration order.
std::vector<std::string> FileNames(const std::string& directory);
// The user's Windows Startup folder, with its trailing backslash; created when missing.
std::string StartupFolder();
void EmptyDirectory(const std::string& directory);
// Starts the command of the runner's Run value, as Windows does at log-on;
// true when the runner ended by itself within the time.
bool RunTheRunnerAsWindowsWould(DWORD milliseconds);
