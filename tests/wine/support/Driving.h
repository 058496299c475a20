#pragma once
// Driving a program under test from outside its process, as another program
// on the desktop would: start it, find its windows, read their texts, wait.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();  // ends a program still running
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts the program (its path quoted) in the given working directory.
    bool Start(const std::string& program, const std::string& directory);
    bool WaitForExit(DWORD milliseconds);
    bool Running() const;
    // Ends the program at once, as a crash or a power cut would.
    void Kill();
    DWORD Id() const { return m_process.dwProcessId; }
    // Visible top-level windows of the process that pass the test.
    std::vector<HWND> Windows(const std::function<bool(HWND)>& test) const;

private:
    PROCESS_INFORMATION m_process{};
};

// What the tests' probe program logs each time it is started.
struct ProbeLaunch {
    std::string name;
    unsigned long long time = 0;  // milliseconds, system clock
};
std::vector<ProbeLaunch> ReadProbeLog(const std::string& path);

std::string Env(const char* name);
// A new folder under the tests' scratch folder, with its trailing backslash.
// Process ids come round again from run to run, so a name is never reused.
std::string FreshFolder(const std::string& stem);
std::string ClassName(HWND hwnd);
std::string WindowText(HWND hwnd);
// The text of a message box, without the carriage returns the box adds.
std::string MessageText(HWND box);
// Polls until the test holds; false after the time.
bool WaitUntil(const std::function<bool()>& test, DWORD milliseconds);
unsigned long long NowMilliseconds();
// The colour shown on the screen at a point of a window (from its top-left
// corner), once it is the awaited one or after a few seconds of painting.
COLORREF ColourShown(HWND window, int x, int y, COLORREF awaited);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
