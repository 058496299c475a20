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

    // The main dialog, once shown.
    HWND WaitForDialog(DWORD milliseconds = 15000);
    // The next message box of the program (caption "OrvaneConfig").
    HWND WaitForMessageBox(DWORD milliseconds = 15000);

    std::string dir;  // with its trailing backslash
    DWORD startTicks = 0;

private:
    HWND WaitForDialogTitled(const char* caption, DWORD milliseconds);
    ProgramProcess m_process;
};

bool DirectoryExists(const std::string& path);
// Names of the files of a directory, in enumeration order.
std::vector<std::string> FileNames(const std::string& directory);
// The Windows Startup folder, with its trailing backslash; created when missing.
std::string StartupFolder();
void EmptyDirectory(const std::string& directory);

// A list view of a dialog: its rows, and the last selected as the keyboard
// selects it (End).
int Rows(HWND dialog, int list);
void SelectLastRow(HWND dialog, int list);
