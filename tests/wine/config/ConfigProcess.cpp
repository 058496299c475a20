#include "tests/wine/config/ConfigProcess.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

int g_installs = 0;

struct Search {
    DWORD pid;
    std::function<bool(HWND)> test;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search.pid && IsWindowVisible(hwnd) && search.test(hwnd)) search.found.push_back(hwnd);
    return TRUE;
}

bool IsDialogClass(HWND hwnd) {
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return std::string(name) == "#32770";
}

}  // namespace

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WindowText(HWND hwnd) {
    char text[4096] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string MessageText(HWND box) {
    std::string text = WindowText(GetDlgItem(box, 0xFFFF));
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

bool WaitUntil(const std::function<bool()>& test, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!test()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(10);
    }
    return true;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

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

ConfigInstall::ConfigInstall(bool withRunner) {
    // Process ids come round again from run to run: a folder is never reused.
    do {
        dir = Env("ORVANE_WORK") + "\\config run " + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++g_installs) + "\\";
    } while (!CreateDirectoryA(dir.c_str(), nullptr));
    const std::string bin = Env("ORVANE_BIN") + "\\";
    CopyFileA((bin + "OrvaneConfig.exe").c_str(), (dir + "OrvaneConfig.exe").c_str(), FALSE);
    if (withRunner) CopyFileA((bin + "Orvane.exe").c_str(), (dir + "Orvane.exe").c_str(), FALSE);
}

ConfigInstall::~ConfigInstall() {
    if (m_process.hProcess) {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
}

bool ConfigInstall::Start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + dir + "OrvaneConfig.exe\"";
    startTicks = GetTickCount();
    return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &startup,
                          &m_process) != FALSE;
}

bool ConfigInstall::WaitForExit(DWORD milliseconds) {
    return WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
}

bool ConfigInstall::Running() {
    return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ConfigInstall::TopLevel(const std::function<bool(HWND)>& test) {
    Search search{m_process.dwProcessId, test, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ConfigInstall::WaitForDialog(DWORD milliseconds) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> found = TopLevel([](HWND hwnd) {
                return IsDialogClass(hwnd) && WindowText(hwnd) == "Orvane Configuration";
            });
            dialog = found.empty() ? nullptr : found.front();
            return dialog != nullptr;
        },
        milliseconds);
    return dialog;
}

HWND ConfigInstall::WaitForMessageBox(DWORD milliseconds) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> found =
                TopLevel([](HWND hwnd) { return IsDialogClass(hwnd) && WindowText(hwnd) == "OrvaneConfig"; });
            box = found.empty() ? nullptr : found.front();
            return box != nullptr;
        },
        milliseconds);
    return box;
}
