#pragma once
// Orvane.exe driven from outside its process: a scratch install with its
// manager directory, the settings in HKEY_CURRENT_USER, and the window found
// and read through window messages as any other program would.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/StartupLog.h"
#include "tests/wine/support/Driving.h"

class RunnerInstall {
public:
    RunnerInstall();  // a fresh folder holding a copy of Orvane.exe and an empty Startup

    // A shortcut Startup\NAME.lnk to the probe, which logs NAME when started;
    // with busy, it then keeps a processor busy that many milliseconds and
    // logs NAME.end. Idle: the item waits for an idle computer too.
    void AddItem(const std::string& name, const std::string& wait, int busy = 0, bool idle = false);
    // The same with these fields ("\"net\", \"min\"") in its line; window: the
    // probe opens a normal window instead, logging NAME.shown and NAME.minimised.
    void AddItemWith(const std::string& name, const std::string& fields, bool window = false);
    // The command line of NAME's shortcut, as a program that puts itself
    // back where Windows starts it would write it.
    std::string ItemCommand(const std::string& name) const;
    // A copy of the probe as Startup\NAME.exe: it logs itself through the
    // environment, which Start sets.
    void AddProgram(const std::string& name, const std::string& wait, bool idle = false);
    // A file Startup\NAME.orvanenone that no program opens: launching it fails.
    void AddUnopenable(const std::string& name, const std::string& wait);
    void WriteIni();
    // The settings key as the configuration program leaves it.
    void WriteSettings(int placement = 1, int minimized = 0, int closeWhenFinished = 1);
    void WriteIdleSettings(int busyPercent, int seconds, int longest);
    // Orvane.log beside Orvane.ini, and its launches by name (the last of each).
    std::string RunLog() const;
    std::map<std::string, LoggedLaunch> RunLogLaunches() const;
    static void RemoveSettings();

    bool Start();
    // Waits for the process to end; false when it still runs after the time.
    bool WaitForExit(DWORD milliseconds);
    DWORD ProcessId() const { return m_process.Id(); }
    std::vector<ProbeLaunch> Log() const { return ReadProbeLog(m_log); }

    // Visible top-level windows of the process with this caption.
    std::vector<HWND> Windows(const char* windowClass) const;
    HWND WaitForWindow(const char* windowClass, const std::function<bool(HWND)>& test, DWORD milliseconds) const;

    std::string dir;  // with its trailing backslash

private:
    void AddLine(const std::string& name, const std::string& wait, bool idle = false, const std::string& fields = "");
    void AddShortcut(const std::string& name, const std::string& arguments);

    std::string m_ini;
    std::string m_log;
    ProgramProcess m_process;
};

// The runner's own window: its caption and its run list.
bool IsRunnerDialog(HWND hwnd);
// The status text beside the lamp: a countdown's number, "Paused", "Stopped".
std::string RunnerStatus(HWND dialog);
// Starts the runner at the top left, left open when finished, and waits for
// its first item's countdown from 30; null when that does not come.
HWND StartCountingDownFrom30(RunnerInstall& install);
