#include "tests/wine/config/ConfigProcess.h"

#include <shlobj.h>

#include "common/RunnerSettings.h"
#include "platform/win32/Win32Registry.h"

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::string> FileNames(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Asked of the shell itself, not read the way the program reads it.
std::string StartupFolder() {
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\";
}

void EmptyDirectory(const std::string& directory) {
    for (const std::string& name : FileNames(directory)) DeleteFileA((directory + name).c_str());
}

ConfigInstall::ConfigInstall(bool withRunner) {
    dir = FreshFolder("config run");
    const std::string bin = Env("ORVANE_BIN") + "\\";
    CopyFileA((bin + "OrvaneConfig.exe").c_str(), (dir + "OrvaneConfig.exe").c_str(), FALSE);
    if (withRunner) CopyFileA((bin + "Orvane.exe").c_str(), (dir + "Orvane.exe").c_str(), FALSE);
}

bool ConfigInstall::Start() {
    startTicks = GetTickCount();
    return m_process.Start(dir + "OrvaneConfig.exe", dir);
}

bool ConfigInstall::WaitForExit(DWORD milliseconds) {
    return m_process.WaitForExit(milliseconds);
}

bool ConfigInstall::Running() {
    return m_process.Running();
}

HWND ConfigInstall::WaitForDialogTitled(const char* caption, DWORD milliseconds) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> windows = m_process.Windows(
                [caption](HWND hwnd) { return ClassName(hwnd) == "#32770" && WindowText(hwnd) == caption; });
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        milliseconds);
    return found;
}

HWND ConfigInstall::WaitForDialog(DWORD milliseconds) {
    return WaitForDialogTitled("Orvane Configuration", milliseconds);
}

HWND ConfigInstall::WaitForMessageBox(DWORD milliseconds) {
    return WaitForDialogTitled("OrvaneConfig", milliseconds);
}

bool RunTheRunnerAsWindowsWould(DWORD milliseconds) {
    Win32Registry registry;
    RegistryValue run;
    auto key = registry.Open(RegistryRoot::LocalMachine, settings::kRunKey, RegistryAccess::Read);
    if (!key || !key->Query(settings::kRunValue, run)) return false;
    std::string command = run.Text();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION runner{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &runner)) return false;
    const bool ended = WaitForSingleObject(runner.hProcess, milliseconds) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(runner.hProcess, 1);
    CloseHandle(runner.hProcess);
    CloseHandle(runner.hThread);
    return ended;
}
