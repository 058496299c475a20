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
    // The program where a package installed it, run in place.
    struct Installed {
        std::string dir;  // with its trailing backslash
    };
    explicit ConfigInstall(const Installed& installed) : dir(installed.dir) {}

    bool Start();
    bool WaitForExit(DWORD milliseconds);
    bool Running();
    DWORD ProcessId() const { return m_process.Id(); }
    void Kill() { m_process.Kill(); }

    // The main dialog, once shown.
    HWND WaitForDialog(DWORD milliseconds = 15000);
    // The next message box of the program (caption "OrvaneConfig").
    HWND WaitForMessageBox(DWORD milliseconds = 15000);
    // A dialog of the program by its caption.
    HWND WaitForDialogTitled(const char* caption, DWORD milliseconds = 15000);
    // A dialog of the program whose caption ends so (" Properties").
    HWND WaitForDialogEndingWith(const std::string& ending, DWORD milliseconds);

    std::string dir;  // with its trailing backslash
    DWORD startTicks = 0;

private:
    ProgramProcess m_process;
};

// Escape on the manager list, with No to the save question should the
// program have changes to ask about; true once the program has ended.
bool EscapeWithoutSaving(ConfigInstall& install, HWND dialog);

// The program's next box's text, answered with the button.
std::string AnswerBox(ConfigInstall& install, int button);
// File > Restore in the program's main dialog, its question answered Yes:
// the question's text.
std::string RestoreAll(ConfigInstall& install, HWND dialog);

// Selects every row of a list view of the program, as a mouse sweep would.
bool SelectAllRows(ConfigInstall& install, HWND list);
// Double-clicks a row of a list view of the program, posted: what it opens
// stays for the caller to handle.
bool DoubleClickRow(ConfigInstall& install, HWND list, int row);
// Clicks the check box before a row, posted, as the mouse would.
bool ClickCheckBox(ConfigInstall& install, HWND list, int row);

// A shortcut saved through the shell-link object, as the shell makes one.
void MakeShortcut(const std::string& path, const std::string& target = "C:\\windows\\notepad.exe",
                  const std::string& arguments = "");

bool DirectoryExists(const std::string& path);
// Names of the files of a directory, in enumeration order.
std::vector<std::string> FileNames(const std::string& directory);
// The user's Windows Startup folder, with its trailing backslash; created when missing.
std::string StartupFolder();
void EmptyDirectory(const std::string& directory);
// "Item 007.EXTENSION": many items' file names, in the order of their numbers.
std::string NumberedItem(int number, const char* extension);
// Starts the command of the runner's Run value, as Windows does at log-on;
// true when the runner ended by itself within the time. shown: called with
// the runner's window once it shows.
bool RunTheRunnerAsWindowsWould(DWORD milliseconds, const std::function<void(HWND)>& shown = {});

// A list view of a dialog: its rows, and the last selected as the keyboard
// selects it (End).
int Rows(HWND dialog, int list);
void SelectLastRow(HWND dialog, int list);
