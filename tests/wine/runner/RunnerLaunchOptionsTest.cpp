// The launch options under Wine, in one run: a program that ignores the
// minimised show command is minimised all the same, the days are today's
// local weekday, and an item waiting for the network finds it up (Wine
// reports the host's adapters).
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
    install.AddItemWith("Window", "\"min\"", true);
    install.AddItemWith("Today", "\"days:" + std::string(1, today) + "\"");
    install.AddItemWith("Other", "\"days:" + otherDays + "\"");
    install.AddItemWith("Net", "\"net\"");
    install.WriteIni();
    install.WriteSettings(0, 0, 1);
    ASSERT_TRUE(install.Start());
    // The runner stays until its watch is over, up to 15 s after the launch.
    ASSERT_TRUE(install.WaitForExit(60000));
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
    std::printf("minimised %llu ms after its window showed\n", at["Window.minimised"] - at["Window.shown"]);
}

}  // namespace
