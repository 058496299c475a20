#include "runner/RunnerIds.h"
#include "tests/wine/runner/RunnerProcess.h"

#include <fstream>
#include <sstream>

#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellLinks.h"

using namespace runner;

namespace {

std::string ProbePath() {
    return Env("ORVANE_BIN") + "\\wine_runner_probe.exe";
}

std::string ProbeArguments(const std::string& name, const std::string& log, int busy) {
    return "\"" + name + "\" \"" + log + "\"" + (busy > 0 ? " " + std::to_string(busy) : "");
}

}  // namespace

RunnerInstall::RunnerInstall() {
    dir = FreshFolder("runner");
    CreateDirectoryA((dir + "Startup").c_str(), nullptr);
    CopyFileA((Env("ORVANE_BIN") + "\\Orvane.exe").c_str(), (dir + "Orvane.exe").c_str(), FALSE);
    m_log = dir + "launches.log";
}

void RunnerInstall::AddShortcut(const std::string& name, const std::string& arguments) {
    Win32ShellLinks links;
    links.InitializeCom();
    ShortcutFields fields;
    fields.target = ProbePath();
    fields.arguments = arguments;
    fields.workingDirectory = Env("ORVANE_BIN");
    links.Save(dir + "Startup\\" + name + ".lnk", fields);
    links.UninitializeCom();
}

void RunnerInstall::AddItem(const std::string& name, const std::string& wait, int busy, bool idle) {
    AddShortcut(name, ProbeArguments(name, m_log, busy));
    AddLine(name, wait, idle);
}

void RunnerInstall::AddItemWith(const std::string& name, const std::string& fields, bool window) {
    AddShortcut(name, (window ? "/window " : "") + ProbeArguments(name, m_log, 0));
    AddLine(name, "0", false, fields);
}

std::string RunnerInstall::ItemCommand(const std::string& name) const {
    return "\"" + ProbePath() + "\" " + ProbeArguments(name, m_log, 0);
}

void RunnerInstall::AddProgram(const std::string& name, const std::string& wait, bool idle) {
    CopyFileA(ProbePath().c_str(), (dir + "Startup\\" + name + ".exe").c_str(), FALSE);
    AddLine(name, wait, idle);
}

void RunnerInstall::AddUnopenable(const std::string& name, const std::string& wait) {
    WriteFileBytes(dir + "Startup\\" + name + ".orvanenone", "");
    AddLine(name, wait);
}

void RunnerInstall::AddLine(const std::string& name, const std::string& wait, bool idle, const std::string& fields) {
    m_ini += "\"" + name + "\", \"Startup\", " + (idle ? "\"idle\", " : "") + (fields.empty() ? "" : fields + ", ") +
             "\"" + wait + "\"\n";
}

std::string RunnerInstall::RunLog() const {
    return ReadFileBytes(dir + "Orvane.log");
}

std::map<std::string, LoggedLaunch> RunnerInstall::RunLogLaunches() const {
    std::map<std::string, LoggedLaunch> launches;
    std::istringstream lines(RunLog());
    for (std::string line; std::getline(lines, line);) {
        LoggedLaunch launch;
        if (ParseLaunch(TrimEnd(line), launch)) launches[launch.name] = launch;
    }
    return launches;
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

void RunnerInstall::WriteIdleSettings(int busyPercent, int seconds, int longest) {
    Win32Registry registry;
    auto key = registry.Create(RegistryRoot::CurrentUser, settings::kKey);
    key->SetDword(settings::kIdleBusyPercent, static_cast<uint32_t>(busyPercent));
    key->SetDword(settings::kIdleSeconds, static_cast<uint32_t>(seconds));
    key->SetDword(settings::kIdleLongest, static_cast<uint32_t>(longest));
}

void RunnerInstall::RemoveSettings() {
    Win32Registry registry;
    if (auto key = registry.Open(RegistryRoot::CurrentUser, settings::kKey, RegistryAccess::All)) {
        for (const char* name : {settings::kConfigPath, settings::kIniPath, settings::kPlacement, settings::kMinimized,
                                 settings::kCloseWhenFinished, settings::kIdleBusyPercent, settings::kIdleSeconds,
                                 settings::kIdleLongest, settings::kNetworkLongest})
            key->DeleteValue(name);
    }
}

bool RunnerInstall::Start() {
    SetEnvironmentVariableA("ORVANE_PROBE_LOG", m_log.c_str());
    return m_process.Start(dir + "Orvane.exe", dir);
}

bool RunnerInstall::WaitForExit(DWORD milliseconds) {
    return m_process.WaitForExit(milliseconds);
}

std::vector<HWND> RunnerInstall::Windows(const char* windowClass) const {
    return m_process.Windows([windowClass](HWND hwnd) { return ClassName(hwnd) == windowClass; });
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

bool IsRunnerDialog(HWND hwnd) {
    return WindowText(hwnd) == "Orvane" && GetDlgItem(hwnd, IdcRunList) != nullptr;
}

std::string RunnerStatus(HWND dialog) {
    return WindowText(GetDlgItem(dialog, IdcStatus));
}

HWND StartCountingDownFrom30(RunnerInstall& install) {
    install.WriteIni();
    install.WriteSettings(0, 0, 0);
    if (!install.Start()) return nullptr;
    HWND dialog = install.WaitForWindow("#32770", IsRunnerDialog, 15000);
    const bool counting = dialog != nullptr &&
                          WaitUntil([&] { return RunnerStatus(dialog) == "30" || RunnerStatus(dialog) == "29"; }, 5000);
    return counting ? dialog : nullptr;
}
