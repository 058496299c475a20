#include "tests/wine/runner/RunnerProcess.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/RunnerSettings.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellLinks.h"

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

int g_installs = 0;

}  // namespace

unsigned long long NowMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

bool WaitUntil(const std::function<bool()>& test, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!test()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

std::string WindowText(HWND hwnd) {
    char text[1024] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

RunnerInstall::RunnerInstall() {
    dir = Env("ORVANE_WORK") + "\\runner-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++g_installs) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    CreateDirectoryA((dir + "Startup").c_str(), nullptr);
    CopyFileA((Env("ORVANE_BIN") + "\\Orvane.exe").c_str(), (dir + "Orvane.exe").c_str(), FALSE);
    m_log = dir + "launches.log";
}

RunnerInstall::~RunnerInstall() {
    if (m_process.hProcess) {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
}

void RunnerInstall::AddItem(const std::string& name, const std::string& wait) {
    Win32ShellLinks links;
    links.InitializeCom();
    ShortcutFields fields;
    fields.target = Env("ORVANE_BIN") + "\\wine_runner_probe.exe";
    fields.arguments = name + " " + m_log;
    fields.workingDirectory = Env("ORVANE_BIN");
    links.Save(dir + "Startup\\" + name + ".lnk", fields);
    links.UninitializeCom();
    m_ini += "\"" + name + "\", \"Startup\", \"" + wait + "\"\n";
}

void RunnerInstall::WriteIni() {
    std::ofstream(dir + "Orvane.ini") << m_ini;
}

void RunnerInstall::WriteSettings(int placement, int minimized, int closeWhenFinished) {
    Win32Registry registry;
    auto key = registry.Create(RegistryRoot::CurrentUser, settings::kKey);
    key->SetString(settings::kConfigPath, dir);
    key->SetString(settings::kIniPath, dir + "Orvane.ini");
    key->SetDword(settings::kPlacement, static_cast<uint32_t>(placement));
    key->SetDword(settings::kMinimized, static_cast<uint32_t>(minimized));
    key->SetDword(settings::kCloseWhenFinished, static_cast<uint32_t>(closeWhenFinished));
}

void RunnerInstall::RemoveSettings() {
    Win32Registry registry;
    if (auto key = registry.Open(RegistryRoot::CurrentUser, settings::kKey, RegistryAccess::All)) {
        for (const char* name : {settings::kConfigPath, settings::kIniPath, settings::kPlacement, settings::kMinimized,
                                 settings::kCloseWhenFinished})
            key->DeleteValue(name);
    }
}

bool RunnerInstall::Start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + dir + "Orvane.exe\"";
    return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &startup,
                          &m_process) != FALSE;
}

bool RunnerInstall::WaitForExit(DWORD milliseconds) {
    return WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
}

std::vector<ProbeLaunch> RunnerInstall::Log() const {
    std::vector<ProbeLaunch> launches;
    std::ifstream in(m_log);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        ProbeLaunch launch;
        std::getline(fields, launch.name, '\t');
        fields >> launch.time;
        launches.push_back(launch);
    }
    return launches;
}

namespace {
struct Search {
    DWORD pid;
    const char* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (pid == search.pid && IsWindowVisible(hwnd) && std::string(name) == search.windowClass)
        search.found.push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> RunnerInstall::Windows(const char* windowClass) const {
    Search search{m_process.dwProcessId, windowClass, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunnerInstall::WaitForWindow(const char* windowClass, const std::function<bool(HWND)>& test,
                                  DWORD milliseconds) const {
    HWND match = nullptr;
    WaitUntil(
        [&] {
            for (HWND hwnd : Windows(windowClass))
                if (test(hwnd)) match = hwnd;
            return match != nullptr;
        },
        milliseconds);
    return match;
}
