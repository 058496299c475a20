// The launch options in the runner: items kept from starting by the day or
// the power supply, the wait for the network (alone and beside the idle
// wait), and the watch that minimises what an item started minimised shows.
#include <gtest/gtest.h>

#include "common/StartupLog.h"
#include "runner/RunnerApp.h"
#include "tests/native/RunnerWorld.h"
#include "ui/headless/HeadlessControls.h"

using namespace runner;

namespace {

class RunnerOptions : public ::testing::Test {
protected:
    RunnerWorld r;
    std::vector<LoggedLaunch> Logged() {
        const std::vector<LoggedRun> runs = ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log");
        return runs.empty() ? std::vector<LoggedLaunch>{} : runs.back().launches;
    }
    std::string Line(int line) { return dynamic_cast<HeadlessListBox&>(r.host.ListBox(IdcRunList)).Line(line); }
    void Seconds(int count) {
        for (int i = 0; i < count; ++i) r.NextSecond();
    }
};

// Sunday 23:00 UTC is Monday 01:00 two hours east: the user's day counts.
TEST_F(RunnerOptions, DaysAreTheUsersLocalOnesAndAnItemNotStartedCountsAsDone) {
    r.world.clock.time = SystemTime{2026, 12, 0, 6, 23, 0, 0, 0};
    r.world.clock.localMinutesAhead = 120;
    r.SetOption(settings::kCloseWhenFinished, 0);
    r.AddItemWith("Work", "\"days:12345\"", "0");
    r.AddItemWith("Church", "\"DAYS:7\"", "30");
    r.AddItemWith("Never", "\"days:\"", "0");
    r.AddItem("Plain", "0");
    r.Open();
    r.host.Tick(4);
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("Work"), r.Item("Plain")}));
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_EQ(Line(0), "Work");
    EXPECT_EQ(Line(1), "Church - not started: not one of its days");
    EXPECT_EQ(Line(2), "Never - not started: not one of its days");
    const std::vector<LoggedLaunch> logged = Logged();
    ASSERT_EQ(logged.size(), 4u);
    EXPECT_EQ(FormatLaunch(logged[1]), "\"Church\", 0, wait, day, -1, -1");
    EXPECT_TRUE(logged[1].Skipped());
    EXPECT_FALSE(logged[1].Failed());
    EXPECT_EQ(logged[3].result, "ok");
}

// Only 0 is a battery: 255 and the undefined values some systems give mean
// the state is unknown, which must not cost a desktop its items.
TEST(RunnerPower, OnlyABatteryKeepsAMainsItemFromStarting) {
    for (int acLine : {0, 1, 255, 249}) {
        RunnerWorld r;
        r.world.power.acLine = acLine;
        r.SetOption(settings::kCloseWhenFinished, 0);
        r.AddItemWith("Backup", "\"mains\"", "0");
        r.AddItem("Mail", "0");
        r.Open();
        r.host.Tick(2);
        const bool battery = acLine == 0;
        EXPECT_EQ(r.Launched().size(), battery ? 1u : 2u) << acLine;
        EXPECT_EQ(dynamic_cast<HeadlessListBox&>(r.host.ListBox(IdcRunList)).Line(0), battery ? "Backup - not started: on battery power" : "Backup");
        const std::vector<LoggedRun> runs = ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log");
        ASSERT_EQ(runs.back().launches.size(), 2u);
        EXPECT_EQ(runs.back().launches[0].result, battery ? "battery" : "ok");
    }
}

TEST_F(RunnerOptions, AfterItsWaitAnItemWaitsForTheNetworkLookingOnceASecond) {
    r.world.network.state = NetworkState::Down;
    r.AddItemWith("Chat", "\"net\"", "2");
    r.AddItem("Plain", "0");
    r.Open();
    r.host.Tick();
    Seconds(2);
    EXPECT_EQ(r.Status(), "Network?");
    EXPECT_EQ(r.Lamp(), IdbWaiting);
    EXPECT_EQ(Line(0), "Chat - waiting for the network");
    EXPECT_TRUE(r.host.Button(IdcRunNow).IsEnabled());
    const int reads = r.world.network.reads;
    r.host.Tick(50);
    EXPECT_EQ(r.world.network.reads, reads);
    Seconds(2);
    EXPECT_EQ(r.world.network.reads, reads + 2);
    EXPECT_TRUE(r.Launched().empty());
    r.world.network.state = NetworkState::Up;
    r.NextSecond();
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("Chat")});
    EXPECT_EQ(Line(0), "Chat");
    r.host.Tick();
    EXPECT_EQ(r.Launched().size(), 2u);
    const std::vector<LoggedLaunch> logged = Logged();
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(FormatLaunch(logged[0]), "\"Chat\", 5000, wait, ok, 0, -1, 2000, up");
    EXPECT_EQ(FormatLaunch(logged[1]), "\"Plain\", 5000, wait, ok, -1, -1");
}

TEST_F(RunnerOptions, TheNetworkWaitEndsAtItsLimitOrAtOnceWhenUpOrUnknown) {
    r.SetOption(settings::kNetworkLongest, 3);
    r.world.network.state = NetworkState::Down;
    r.AddItemWith("Down", "\"net\"", "0");
    r.AddItemWith("Up", "\"net\"", "0");
    r.AddItemWith("Unknown", "\"net\"", "0");
    r.Open();
    r.host.Tick();
    Seconds(2);
    EXPECT_TRUE(r.Launched().empty());
    r.NextSecond();
    EXPECT_EQ(r.Launched().size(), 1u);
    r.world.network.state = NetworkState::Up;
    r.host.Tick();
    r.world.network.state = NetworkState::Unknown;
    r.host.Tick();
    const std::vector<LoggedLaunch> logged = Logged();
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[0].network, "longest");
    EXPECT_EQ(logged[0].launchedAt - logged[0].netFrom, 3000);
    EXPECT_EQ(logged[1].network, "up");
    EXPECT_EQ(logged[1].netFrom, logged[1].launchedAt);
    EXPECT_EQ(logged[2].network, "unknown");
}

// Together: the item goes once both are over, each ended by its own rule.
TEST_F(RunnerOptions, TheIdleAndNetworkWaitsGoOnTogether) {
    r.SetOption(settings::kIdleSeconds, 2);
    r.world.network.state = NetworkState::Down;
    r.AddItemWith("Sync", "\"idle\", \"net\"", "1");
    r.AddItemWith("Late", "\"net\", \"idle\"", "0");
    r.Open();
    r.host.Tick();
    r.NextSecondBusy(0);
    EXPECT_EQ(r.Status(), "Idle?");
    r.world.network.state = NetworkState::Up;
    r.NextSecondBusy(90);
    EXPECT_EQ(r.Status(), "Idle? 90%");
    r.NextSecondBusy(0);
    EXPECT_TRUE(r.Launched().empty());
    r.NextSecondBusy(0);
    EXPECT_EQ(r.Launched().size(), 1u);
    // Quiet at once, the network down: then only the network is waited for.
    r.world.network.state = NetworkState::Down;
    r.host.Tick();
    r.NextSecondBusy(0);
    r.NextSecondBusy(0);
    EXPECT_EQ(r.Status(), "Network?");
    r.world.network.state = NetworkState::Up;
    r.NextSecondBusy(100);
    EXPECT_EQ(r.Launched().size(), 2u);
    const std::vector<LoggedLaunch> logged = Logged();
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(FormatLaunch(logged[0]), "\"Sync\", 4000, idle, ok, 0, 1000, 1000, up");
    EXPECT_EQ(FormatLaunch(logged[1]), "\"Late\", 7000, idle, ok, -1, 4000, 4000, up");
}

TEST_F(RunnerOptions, RunNowSkipNoWaitAndRunNoneActOnTheNetworkWait) {
    r.world.network.state = NetworkState::Down;
    r.SetOption(settings::kCloseWhenFinished, 0);
    for (const char* name : {"A", "B", "C", "D", "E"}) r.AddItemWith(name, "\"net\"", "0");
    r.Open();
    r.host.Tick();
    r.host.Click(IdcRunNow);
    r.host.Tick();
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("A")});
    EXPECT_EQ(Line(0), "A");
    r.host.Tick();
    EXPECT_EQ(Line(1), "B - waiting for the network");
    r.host.Click(IdcSkip);
    r.host.Tick();
    EXPECT_EQ(Line(1), "B");
    EXPECT_EQ(Line(2), "C - waiting for the network");
    r.host.Click(IdcNoWait);
    r.host.Tick(3);
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("A"), r.Item("C"), r.Item("D"), r.Item("E")}));
    EXPECT_EQ(Logged().at(0).network, "now");
    // Run None while a network wait goes on: nothing is left said as waiting.
    r.host.DoubleClickLine(IdcRunList, 4);
    r.host.Tick();
    EXPECT_EQ(Line(4), "E - waiting for the network");
    r.host.Click(IdcRunNone);
    r.host.Tick();
    EXPECT_EQ(Line(4), "E");
    EXPECT_EQ(r.Status(), "Stopped");
}

TEST_F(RunnerOptions, PauseHoldsTheNetworkWaitAndAJumpEndsIt) {
    r.SetOption(settings::kNetworkLongest, 2);
    r.world.network.state = NetworkState::Down;
    r.AddItemWith("A", "\"net\"", "0");
    r.AddItem("B", "0");
    r.AddItem("C", "0");
    r.Open();
    r.host.Tick();
    r.host.Click(IdcPause);
    const int reads = r.world.network.reads;
    Seconds(5);
    EXPECT_EQ(r.world.network.reads, reads);
    EXPECT_TRUE(r.Launched().empty());
    r.host.Click(IdcPause);
    Seconds(1);
    EXPECT_TRUE(r.Launched().empty());
    r.world.messages.Answer(win::IdYes);
    r.host.SelectLine(IdcRunList, 2);
    r.host.Tick();
    EXPECT_EQ(Line(0), "A");
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("C")});
}

// The shortcut's own program is launched, so that its process is known.
TEST_F(RunnerOptions, AMinimisedItemsWindowsAreMinimisedOnceEachForFifteenSeconds) {
    r.world.files.AddFile("C:\\TOOLS\\Notes.exe", "MZ");
    r.world.links.InitializeCom();
    r.world.links.Save(r.Item("Notes"), ShortcutFields{"C:\\TOOLS\\Notes.exe", "/tray", "C:\\DATA", "", false});
    r.world.links.UninitializeCom();
    r.ini += "\"Notes\", \"Startup\", \"min\", \"\"\r\n";
    r.SetOption(settings::kCloseWhenFinished, 0);
    r.Open();
    r.host.Tick();
    ASSERT_EQ(r.world.shell.launches.size(), 1u);
    const Launch& launch = r.world.shell.launches[0];
    EXPECT_EQ(launch.file, "C:\\TOOLS\\Notes.exe");
    EXPECT_EQ(launch.parameters, "/tray");
    EXPECT_EQ(launch.directory, "C:\\DATA");
    EXPECT_EQ(launch.showCommand, win::SwShowMinNoActive);
    const ProcessHandle process = launch.process;
    ASSERT_NE(process, 0u);
    EXPECT_EQ(r.world.shell.open, std::vector<ProcessHandle>{process});
    EXPECT_EQ(r.host.TimerInterval(WatchTimer), MinimiseWatch::LookMilliseconds);

    MemoryDesktop& desktop = r.world.desktop;
    const WindowHandle main = desktop.Open(process);
    const WindowHandle other = desktop.Open(process + 1);
    r.world.clock.Advance(250);
    r.host.Tick();
    EXPECT_EQ(desktop.minimised, std::vector<WindowHandle>{main});
    // The user opens it again: it stays open.
    desktop.Find(main)->minimised = false;
    const WindowHandle second = desktop.Open(process);
    r.world.clock.Advance(250);
    r.host.Tick();
    EXPECT_EQ(desktop.minimised, (std::vector<WindowHandle>{main, second}));
    EXPECT_FALSE(desktop.Find(other)->minimised);
    r.world.clock.Advance(14000);
    r.host.Tick();
    EXPECT_EQ(r.world.shell.open.size(), 1u);
    r.world.clock.Advance(500);
    desktop.Open(process);
    r.host.Tick();
    EXPECT_EQ(desktop.minimised.size(), 2u);
    EXPECT_TRUE(r.world.shell.open.empty());
    EXPECT_FALSE(r.host.HasTimer(WatchTimer));
}

// A runner that closes itself when finished still watches to the end, and
// a process that ends is let go at once.
TEST_F(RunnerOptions, TheWatchOutlivesTheWindowAndEndsWithItsProcess) {
    r.world.files.AddFile(r.Manager + std::string("A.exe"), "MZ");
    r.world.files.AddFile(r.Manager + std::string("B.exe"), "MZ");
    r.world.files.AddFile(RunnerWorld::Ini, "\"A\", \"Startup\", \"min\", \"\"\r\n\"B\", \"Startup\", \"min\", \"\"\r\n");
    CRunnerApp app(r.platform, [&](CDialog& dialog) {
        HeadlessDialogHost host(dialog);
        EXPECT_TRUE(host.Open());
        host.Tick(2);
        EXPECT_TRUE(host.HasEnded());
        EXPECT_EQ(r.world.shell.open.size(), 2u);
        if (!r.world.shell.open.empty()) r.world.desktop.ended.push_back(r.world.shell.open[0]);
        return host.Result();
    });
    app.InitInstance();
    EXPECT_TRUE(r.world.shell.open.empty());
    EXPECT_GE(r.world.clock.slept, 14750);
    EXPECT_LE(r.world.clock.slept, 15000);
}

// What is no program file, or no shortcut at all, is left to the shell,
// minimised; a shell that gives no process leaves nothing to watch.
TEST(RunnerMinimised, WhatIsNoShortcutToAProgramIsLaunchedAsItIs) {
    struct Case {
        const char* target;
        bool advertised;
    } cases[] = {{"C:\\DATA\\Report.doc", false}, {"C:\\TOOLS\\Setup.exe", true}, {"C:\\TOOLS\\Gone.exe", false}};
    for (const Case& each : cases) {
        RunnerWorld r;
        r.world.files.AddFile("C:\\DATA\\Report.doc", "doc");
        r.world.files.AddFile("C:\\TOOLS\\Setup.exe", "MZ");
        r.world.links.InitializeCom();
        r.world.links.Save(r.Item("Item"), ShortcutFields{each.target, "", "", "", false});
        r.world.links.UninitializeCom();
        if (each.advertised) r.world.links.advertised.push_back(r.Item("Item"));
        r.world.shell.processless = true;
        r.ini = "\"Item\", \"Startup\", \"min\", \"\"\r\n";
        r.Open();
        r.host.Tick();
        ASSERT_EQ(r.world.shell.launches.size(), 1u) << each.target;
        EXPECT_EQ(r.world.shell.launches[0].file, r.Item("Item")) << each.target;
        EXPECT_EQ(r.world.shell.launches[0].showCommand, win::SwShowMinNoActive);
        EXPECT_FALSE(r.host.HasTimer(WatchTimer)) << each.target;
    }
}

}  // namespace
