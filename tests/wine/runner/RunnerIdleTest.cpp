// Orvane.exe under Wine with items that wait for an idle computer, read from
// outside: the probes' own times and the runner's Orvane.log. The processor
// times are the host's, so this suite runs alone, and what other programs of
// the host do can only make an idle item wait longer (up to its limit), never
// start earlier: each check holds on a busy host too.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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
