#include "tests/wine/config/ConfigProcess.h"

#include <commctrl.h>

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

std::string StartupFolder() {
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string folder = windows;
    for (const char* part : {"\\Start Menu", "\\Programs", "\\Startup"}) {
        folder += part;
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    return folder + "\\";
}

void EmptyDirectory(const std::string& directory) {
    for (const std::string& name : FileNames(directory)) DeleteFileA((directory + name).c_str());
}

int Rows(HWND dialog, int list) {
    return static_cast<int>(SendDlgItemMessageA(dialog, list, LVM_GETITEMCOUNT, 0, 0));
}

void SelectLastRow(HWND dialog, int list) {
    HWND hwnd = GetDlgItem(dialog, list);
    SendMessageA(hwnd, WM_KEYDOWN, VK_END, 0);
    SendMessageA(hwnd, WM_KEYUP, VK_END, 0);
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
