// Orvane.exe under Wine with items that wait for an idle computer, read from
// outside: the probes' own times and the runner's Orvane.log. The processor
// times are the host's, so this suite runs alone, and what other programs of
// the host do can only make an idle item wait longer (up to its limit), never
// start earlier: each check holds on a busy host too.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/win32/Win32Processes.h"
#include "runner/RunnerIds.h"
#include "tests/wine/runner/RunnerProcess.h"
#include "tests/wine/support/Screenshot.h"

using namespace runner;

namespace {

std::map<std::string, unsigned long long> ProbeTimes(const RunnerInstall& install) {
    std::map<std::string, unsigned long long> times;
    for (const ProbeLaunch& launch : install.Log()) times[launch.name] = launch.time;
    return times;
}

TEST(RunnerIdle, BusyItemsStartOneAfterAnotherAndALoadedComputerHoldsAnItemToTheLimit) {
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    // Below what one busy processor shows, whatever the count.
    const int busyPercent = std::max(1, 50 / static_cast<int>(system.dwNumberOfProcessors));
    RunnerInstall install;
    install.AddItem("Busy1", "0", 2500, true);
    install.AddItem("Busy2", "0", 2500, true);
    install.AddItem("Load", "0", 16000, true);
    install.AddItem("Held", "0", 0, true);
    install.AddItem("Plain", "2");
    install.WriteIni();
    install.WriteSettings(0, 0, 1);
    install.WriteIdleSettings(busyPercent, 2, 6);
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForWindow("#32770", IsRunnerDialog, 15000);
    ASSERT_NE(dialog, nullptr);
    std::string seen;
    EXPECT_TRUE(WaitUntil(
        [&] {
            seen = RunnerStatus(dialog);
            return seen.compare(0, 6, "Idle? ") == 0 && seen.back() == '%';
        },
        10000))
        << "status " << seen;
    Sleep(300);  // its paint
    SaveScreenshot(dialog, "runner-idle-wait");
    ASSERT_TRUE(install.WaitForExit(90000));
    RunnerInstall::RemoveSettings();

    std::map<std::string, unsigned long long> at = ProbeTimes(install);
    for (const char* name : {"Busy1", "Busy1.end", "Busy2", "Busy2.end", "Load", "Held", "Plain"})
        ASSERT_TRUE(at.count(name)) << name;
    EXPECT_GE(at["Busy2"], at["Busy1.end"]) << "the busy times overlap";
    EXPECT_GE(at["Load"], at["Busy2.end"]) << "the busy times overlap";
    // The load never settles: Held goes at its limit, before the load ends.
    ASSERT_TRUE(WaitUntil([&] { return ProbeTimes(install).count("Load.end") != 0; }, 30000));
    at = ProbeTimes(install);
    EXPECT_LT(at["Held"], at["Load.end"]) << "Held waited past its limit";
    // A plain wait of 2 s lasts at least 1 s, whatever the load, and begins
    // after the launch before it.
    const long long plain = static_cast<long long>(at["Plain"] - at["Held"]);
    EXPECT_GE(plain, 900);

    std::map<std::string, LoggedLaunch> logged = install.RunLogLaunches();
    for (const char* name : {"Busy1", "Busy2", "Load", "Held", "Plain"}) {
        ASSERT_TRUE(logged.count(name)) << name << " not in Orvane.log:\n" << install.RunLog();
        EXPECT_EQ(logged[name].result, "ok") << name;
    }
    EXPECT_EQ(logged["Held"].waited, "longest");
    const long held = logged["Held"].launchedAt - logged["Held"].idleFrom;
    EXPECT_GE(held, 5000);
    EXPECT_EQ(logged["Plain"].waited, "wait");
    EXPECT_EQ(logged["Plain"].idleFrom, -1);
    EXPECT_GE(logged["Plain"].waitFrom, logged["Held"].launchedAt);
    std::printf("busy limit %d%% on %lu processors; Busy1 waited %s, Busy2 %s, Load %s; Held launched %ld ms after "
                "its idle wait began (limit 6 s); Plain %lld ms after Held (wait 2)\n",
                busyPercent, system.dwNumberOfProcessors, logged["Busy1"].waited.c_str(),
                logged["Busy2"].waited.c_str(), logged["Load"].waited.c_str(), held, plain);
}

// Under Wine only each thread's time is true: the programs are rated on it,
// a shortcut (the shell gives no process for it) and the disks are not
// measured, and the idle wait watches the processors alone. The window
// closes at the last launch; the runner ends once the measures have.
TEST(RunnerIdle, EachLaunchIsMeasuredOnlyOnWhatTheSystemTellsTruly) {
    const char* const environment[][2] = {{"ORVANE_PROBE_CPU_Heavy", "1500"}, {"ORVANE_PROBE_STAY_Heavy", "3000"},
                                          {"ORVANE_PROBE_CPU_Light", "50"}, {"ORVANE_PROBE_STAY_Light", "3000"}};
    for (const auto& variable : environment) SetEnvironmentVariableA(variable[0], variable[1]);
    RunnerInstall install;
    install.AddProgram("Heavy", "0");
    install.AddProgram("Light", "0", true);
    install.AddItem("Link", "0");
    install.WriteIni();
    install.WriteSettings(0, 0, 1);
    install.WriteIdleSettings(99, 1, 5);
    ASSERT_TRUE(install.Start());
    ASSERT_NE(install.WaitForWindow("#32770", IsRunnerDialog, 15000), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return install.Windows("#32770").empty(); }, 30000)) << "the window stayed";
    const bool ended = install.WaitForExit(70000);
    RunnerInstall::RemoveSettings();
    for (const auto& variable : environment) SetEnvironmentVariableA(variable[0], nullptr);
    ASSERT_TRUE(ended);

    std::map<std::string, unsigned long long> probe = ProbeTimes(install);
    std::map<std::string, LoggedLaunch> logged = install.RunLogLaunches();
    for (const char* name : {"Heavy", "Light", "Link"}) ASSERT_TRUE(logged.count(name)) << install.RunLog();
    const struct {
        const char* name;
        const char* impact;
    } programs[] = {{"Heavy", "high"}, {"Light", "low"}};
    for (const auto& program : programs) {
        const LoggedLaunch& launch = logged[program.name];
        const double truth = static_cast<double>(probe[std::string(program.name) + ".cpu"]);
        EXPECT_EQ(launch.impact, program.impact) << program.name;
        EXPECT_EQ(launch.cpuFrom, "threads") << program.name;
        EXPECT_NEAR(launch.cpuMs, truth, std::max(truth * 0.2, 16.0)) << program.name;  // a tick of 15.6 ms
        EXPECT_EQ(launch.bytes, -1) << program.name;
        EXPECT_EQ(launch.diskFrom, "none") << program.name;
        std::printf("%s: measured %ld ms, by its own count %.0f ms\n", program.name, launch.cpuMs, truth);
    }
    EXPECT_EQ(logged["Link"].impact, "unmeasured");
    EXPECT_NE(install.RunLog().find("\nIdle: cpu\r\n"), std::string::npos) << install.RunLog();
}

// The job holds a process without owning it: closed, it leaves the process
// running. What Wine answers for a process, measured.
TEST(RunnerIdle, AProcessOutlivesItsJob) {
    const std::string log = FreshFolder("job") + "probe.log";
    std::string command = "\"" + Env("ORVANE_BIN") + "\\wine_runner_probe.exe\" Stay \"" + log + "\" 300";
    SetEnvironmentVariableA("ORVANE_PROBE_STAY_Stay", "1500");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
    SetEnvironmentVariableA("ORVANE_PROBE_STAY_Stay", nullptr);
    CloseHandle(started.hThread);
    const ProcessHandle process = reinterpret_cast<ProcessHandle>(started.hProcess);
    Win32Processes processes;
    const JobHandle job = processes.Contain(process);
    ASSERT_NE(job, 0u);
    Sleep(800);
    ProcessCost cost;
    unsigned active = 99;
    uint64_t threads = 0;
    EXPECT_TRUE(processes.ThreadTime(process, threads));
    const bool jobRead = processes.JobCost(job, cost, active);
    std::printf("job read %d, %u active, %llu ms; threads %llu ms\n", jobRead, active,
                static_cast<unsigned long long>(cost.cpu / 10000), static_cast<unsigned long long>(threads / 10000));
    processes.CloseJob(job);
    Sleep(200);
    EXPECT_FALSE(processes.Ended(process)) << "closing the job ended its process";
    EXPECT_EQ(WaitForSingleObject(started.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(started.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(started.hProcess);
    std::vector<DiskTimes> disks;
    std::printf("disks answer: %d\n", processes.ReadDisks(disks));
}

// At an unattended log-on nobody answers a failure's box: the run goes on,
// the failure marked in the list and the record; the box, once someone looks,
// takes the keyboard as any box does.
TEST(RunnerIdle, AFailedLaunchLeavesItsBoxWithTheKeyboardAndTheRunGoesOn) {
    RunnerInstall install;
    install.AddUnopenable("Kilo", "");
    const std::string longName = "Lima, whose name is much too long for the width of the run list";
    install.AddItem(longName, "1");
    install.WriteIni();
    install.WriteSettings(0, 0, 0);
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForWindow("#32770", IsRunnerDialog, 15000);
    ASSERT_NE(dialog, nullptr);
    HWND box = install.WaitForWindow(
        "#32770", [](HWND hwnd) { return GetDlgItem(hwnd, 0xFFFF) && !GetDlgItem(hwnd, IdcRunList); }, 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return RunnerStatus(dialog) == "Stopped"; }, 10000)) << RunnerStatus(dialog);
    ASSERT_TRUE(WaitUntil([&] { return install.Log().size() == 1; }, 10000));
    EXPECT_EQ(install.Log()[0].name, longName);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IdcPause)));

    HWND list = GetDlgItem(dialog, IdcRunList);
    // Across processes Wine hands a list's text over as Unicode only.
    wchar_t wide[256] = L"";
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(wide));
    const std::string line(wide, wide + wcslen(wide));
    EXPECT_EQ(line.compare(0, 13, "Kilo  (error "), 0) << line;
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_GT(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0), client.right) << "the long name cannot be scrolled to";
    SaveScreenshot(dialog, "runner-failed-launch");

    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(WaitUntil(
        [&] {
            return GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info) && info.hwndActive == box &&
                   GetParent(info.hwndFocus) == box;
        },
        5000));
    EXPECT_EQ(GetForegroundWindow(), box);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000)) << "Enter did not answer the box";

    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
    const std::map<std::string, LoggedLaunch> logged = install.RunLogLaunches();
    ASSERT_EQ(logged.size(), 2u) << install.RunLog();
    EXPECT_TRUE(logged.at("Kilo").Failed());
    EXPECT_EQ(logged.at(longName).result, "ok");
}

}  // namespace
