// The launch options under Wine, in one run: a program that ignores the
// minimised show command is minimised all the same (the shortcut's program
// launched by the runner itself, as the shell gives no process for it), the
// days are today's local weekday, and an item waiting for the network finds
// it up (Wine reports the host's adapters).
#include <gtest/gtest.h>

#include <map>

#include "tests/wine/runner/RunnerProcess.h"

namespace {

TEST(RunnerLaunchOptions, MinimisedDaysAndNetworkAsAPersonWouldSeeThem) {
    SYSTEMTIME local;
    GetLocalTime(&local);
    const char today = static_cast<char>('0' + (local.wDayOfWeek == 0 ? 7 : local.wDayOfWeek));
    std::string otherDays;
    for (char day = '1'; day <= '7'; ++day)
        if (day != today) otherDays += day;
    RunnerInstall install;
    install.AddItemWith("Net", "\"net\"");
    install.AddItemWith("Window", "\"min\"", true);
    install.AddItemWith("Today", "\"days:" + std::string(1, today) + "\"");
    install.AddItemWith("Other", "\"days:" + otherDays + "\"");
    install.WriteIni();
    // Left open when finished: closing its window costs 2 s under Wine
    // without a window manager, which no look could take place in.
    install.WriteSettings(0, 0, 0);
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForWindow("#32770", IsRunnerDialog, 15000);
    ASSERT_NE(dialog, nullptr);
    const auto probeLogged = [&](const char* name) {
        for (const ProbeLaunch& launch : install.Log())
            if (launch.name == name) return true;
        return false;
    };
    EXPECT_TRUE(WaitUntil([&] { return probeLogged("Window.minimised"); }, 15000));
    EXPECT_TRUE(WaitUntil([&] { return RunnerStatus(dialog) == "Stopped"; }, 5000));
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(install.WaitForExit(30000));
    RunnerInstall::RemoveSettings();

    std::map<std::string, unsigned long long> at;
    for (const ProbeLaunch& launch : install.Log()) at[launch.name] = launch.time;
    ASSERT_TRUE(at.count("Window.shown")) << "the probe's window did not open normally";
    ASSERT_TRUE(at.count("Window.minimised")) << "the window was not minimised";
    EXPECT_LE(at["Window.minimised"] - at["Window.shown"], 2000u);
    EXPECT_TRUE(at.count("Today"));
    EXPECT_FALSE(at.count("Other"));
    EXPECT_TRUE(at.count("Net"));

    std::map<std::string, LoggedLaunch> logged = install.RunLogLaunches();
    ASSERT_EQ(logged.size(), 4u) << install.RunLog();
    EXPECT_EQ(logged["Window"].result, "ok");
    EXPECT_EQ(logged["Today"].result, "ok");
    EXPECT_EQ(logged["Other"].result, "day");
    EXPECT_EQ(logged["Net"].network, "up") << install.RunLog();
    std::printf("the window showed %llu ms after its program started, and was minimised %llu ms later\n",
                at["Window.shown"] - at["Window"], at["Window.minimised"] - at["Window.shown"]);
}

}  // namespace
