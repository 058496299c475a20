// Items marked idle: after the plain wait, the runner waits for quiet
// processors, with a limit; and the record of each run in Orvane.log.
#include <gtest/gtest.h>

#include "common/StartupLog.h"
#include "tests/native/RunnerWorld.h"

using namespace runner;

namespace {

class RunnerIdle : public ::testing::Test {
protected:
    RunnerWorld r;
    size_t Launches() const { return r.Launched().size(); }
    bool WaitButtons() { return r.host.Button(IdcSkip).IsEnabled() && r.host.Button(IdcRunNow).IsEnabled(); }
    void Seconds(int count, int percent) {
        for (int i = 0; i < count; ++i) r.NextSecondBusy(percent);
    }
    std::vector<LoggedLaunch> LoggedLaunches() {
        const std::vector<LoggedRun> runs = ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log");
        return runs.empty() ? std::vector<LoggedLaunch>{} : runs.back().launches;
    }
};

TEST_F(RunnerIdle, AfterItsCountdownAnItemWaitsForQuietSecondsInARow) {
    r.AddIdleItem("Mail", "2");
    r.AddItem("Plain", "2");
    r.Open();
    r.host.Tick();
    EXPECT_EQ(r.Status(), "2");
    Seconds(2, 90);  // the countdown, however busy
    EXPECT_EQ(Launches(), 0u);
    EXPECT_EQ(r.Status(), "Idle?");
    EXPECT_EQ(r.Lamp(), IdbWaiting);
    EXPECT_TRUE(WaitButtons());
    Seconds(3, 63);
    EXPECT_EQ(r.Status(), "Idle? 63%");
    Seconds(4, 20);  // at the limit counts as quiet
    EXPECT_EQ(r.Status(), "Idle? 20%");
    Seconds(1, 21);  // one busy second starts the count again
    Seconds(4, 0);
    EXPECT_EQ(Launches(), 0u);
    r.NextSecondBusy(5);
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("Mail")});
    EXPECT_EQ(r.Lamp(), IdbGo);
    EXPECT_FALSE(WaitButtons());
    // The plain item after it counts down its own wait, quiet or not, and
    // nothing looks at the processors any more.
    const int reads = r.world.processors.reads;
    r.host.Tick();
    Seconds(1, 0);
    EXPECT_EQ(Launches(), 1u);
    EXPECT_EQ(r.Status(), "1");
    r.NextSecondBusy(0);
    EXPECT_EQ(Launches(), 2u);
    EXPECT_EQ(r.world.processors.reads, reads);

    const std::vector<LoggedLaunch> logged = LoggedLaunches();
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[0].name, "Mail");
    EXPECT_EQ(logged[0].waited, "idle");
    EXPECT_EQ(logged[0].waitFrom, 0);
    EXPECT_EQ(logged[0].idleFrom, 2000);
    EXPECT_EQ(logged[0].launchedAt, 2000 + 13000);
    EXPECT_EQ(logged[1].waited, "wait");
    EXPECT_EQ(logged[1].waitFrom, 15000);
    EXPECT_EQ(logged[1].idleFrom, -1);
}

TEST_F(RunnerIdle, ABusyComputerHoldsTheItemNoLongerThanTheLimit) {
    r.SetOption(settings::kIdleLongest, 10);
    r.SetOption(settings::kIdleSeconds, 2);
    r.SetOption(settings::kIdleBusyPercent, 50);
    r.AddIdleItem("Heavy", "0");
    r.Open();
    r.host.Tick();
    EXPECT_EQ(r.Status(), "Idle?");
    Seconds(1, 40);
    Seconds(8, 51);
    EXPECT_EQ(Launches(), 0u);
    r.NextSecondBusy(100);
    EXPECT_EQ(Launches(), 1u);
    EXPECT_EQ(LoggedLaunches().at(0).waited, "longest");
    EXPECT_EQ(LoggedLaunches().at(0).launchedAt, 10000);
}

TEST_F(RunnerIdle, WithoutTheSystemsProcessorTimesTheItemKeepsItsPlainWait) {
    r.world.processors.available = false;
    r.AddIdleItem("Old", "1");
    r.Open();
    r.host.Tick();
    r.NextSecondBusy(90);
    EXPECT_EQ(Launches(), 1u);
    EXPECT_EQ(LoggedLaunches().at(0).waited, "wait");
    EXPECT_EQ(LoggedLaunches().at(0).idleFrom, -1);
}

// What an idle wait costs is paid only by an item that asks for one.
TEST_F(RunnerIdle, PlainItemsNeverLookAtTheProcessors) {
    r.AddItem("A", "3");
    r.AddItem("B", "0");
    r.Open();
    r.host.Tick();
    Seconds(3, 100);
    r.host.Tick();
    EXPECT_EQ(Launches(), 2u);
    EXPECT_EQ(r.world.processors.reads, 0);
}

TEST_F(RunnerIdle, PauseHoldsTheIdleWaitAndItsLimit) {
    r.SetOption(settings::kIdleLongest, 3);
    r.AddIdleItem("A", "0");
    r.Open();
    r.host.Tick();
    Seconds(1, 80);
    r.host.Click(IdcPause);
    EXPECT_EQ(r.Status(), "Paused");
    Seconds(20, 0);  // quiet, but paused: neither quiet nor waited
    EXPECT_EQ(Launches(), 0u);
    EXPECT_EQ(r.Status(), "Paused");
    r.world.clock.Advance(400);
    r.host.Click(IdcPause);
    r.host.Tick();
    EXPECT_EQ(r.Lamp(), IdbWaiting);
    Seconds(1, 80);
    EXPECT_EQ(r.Status(), "Idle? 80%");
    EXPECT_EQ(Launches(), 0u);
    Seconds(1, 80);
    EXPECT_EQ(Launches(), 1u);
}

TEST_F(RunnerIdle, RunNowSkipAndNoWaitActOnTheIdleWait) {
    for (const char* name : {"A", "B", "C", "D"}) r.AddIdleItem(name, "0");
    r.Open();
    r.host.Tick();
    Seconds(2, 90);
    r.host.Click(IdcRunNow);
    r.host.Tick();
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("A")});
    r.host.Tick();  // B waits for idleness
    EXPECT_EQ(r.Status(), "Idle?");
    r.host.Click(IdcSkip);
    r.host.Tick();  // C waits
    Seconds(1, 90);
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), 2);
    r.host.Click(IdcNoWait);
    r.host.Tick(2);
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("A"), r.Item("C"), r.Item("D")}));
    EXPECT_EQ(r.Status(), "Stopped");
}

TEST_F(RunnerIdle, AJumpEndsTheIdleWait) {
    r.AddIdleItem("A", "0");
    r.AddItem("B", "0");
    r.Open();
    r.host.Tick();
    r.world.messages.Answer(win::IdYes);
    r.host.SelectLine(IdcRunList, 1);
    Seconds(1, 90);
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("B")});
}

TEST_F(RunnerIdle, TheLogKeepsTheLastTwentyRunsAndAFailedWriteLaunchesAllTheSame) {
    std::string old;
    for (int run = 1; run <= 20; ++run)
        old += "Start-up 2026-11-" + std::to_string(run) + " 08:00:00 UTC\r\n\"Old\", 5, wait, ok, -1, -1\r\n";
    r.world.files.AddFile("C:\\ORVANE\\Orvane.log", old);
    r.SetOption(settings::kCloseWhenFinished, 0);
    r.world.faults.Add(Fault::Execute, r.Item("B"), 1);
    r.AddItem("A", "0");
    r.AddItem("B", "1");
    r.Open();
    r.host.Tick(2);
    r.NextSecond();
    std::vector<LoggedRun> runs = ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log");
    ASSERT_EQ(runs.size(), 20u);
    EXPECT_EQ(runs.front().started, "2026-11-2 08:00:00 UTC");
    EXPECT_EQ(runs.back().started, "2026-12-07 09:00:00 UTC");
    ASSERT_EQ(runs.back().launches.size(), 2u);
    EXPECT_EQ(FormatLaunch(runs.back().launches[0]), "\"A\", 0, wait, ok, -1, -1");
    EXPECT_EQ(FormatLaunch(runs.back().launches[1]), "\"B\", 1000, wait, 2, 0, -1");
    EXPECT_FALSE(r.world.files.Lookup("C:\\ORVANE\\Orvane.log.new", *std::make_unique<FileEntry>()));

    // A second run cannot write its record: it runs, and the record stays as it was.
    r.world.faults.Add(Fault::Write, "C:\\ORVANE\\Orvane.log.new");
    const std::string before = r.Log();
    r.host.DoubleClickLine(IdcRunList, 1);
    r.host.Tick();
    r.NextSecond();
    EXPECT_EQ(r.Launched().size(), 3u);
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_EQ(r.Log(), before);
    EXPECT_FALSE(r.world.files.Lookup("C:\\ORVANE\\Orvane.log.new", *std::make_unique<FileEntry>()));
    // Nor once its launch's minute is over.
    r.world.clock.Advance(kMeasuredMs);
    r.host.Tick();
    EXPECT_FALSE(r.host.HasTimer(SequencerTimer));
    EXPECT_EQ(r.Log(), before);

    // A record that cannot be read is not replaced by the new run alone.
    r.world.faults.Clear();
    r.world.faults.Add(Fault::Open, "C:\\ORVANE\\Orvane.log", 1);
    r.host.DoubleClickLine(IdcRunList, 1);
    r.host.Tick();
    r.NextSecond();
    EXPECT_EQ(r.Launched().size(), 4u);
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_EQ(r.Log(), before);
}

TEST(RunnerIdleClosed, ARunClosedMidWayIsRecordedUpToItsLastLaunch) {
    for (const bool escape : {false, true}) {
        RunnerWorld r;
        r.AddItem("A", "0");
        r.AddIdleItem("B", "30");
        r.Open();
        r.host.Tick(2);
        EXPECT_EQ(r.Log(), "");
        if (escape)
            r.host.Escape();
        else
            r.host.Click(win::IdOk);
        EXPECT_EQ(r.host.Result(), escape ? win::IdCancel : win::IdOk);
        EXPECT_EQ(r.Log(), "Start-up 2026-12-07 09:00:00 UTC\r\n\"A\", 0, wait, ok, -1, -1\r\n");
    }
}

TEST(ProcessorTimes, BusyIsTheShareOfTimeNotIdleRoundedToTheNearestPercent) {
    const ProcessorTimes start{100, 300, 200};
    EXPECT_EQ(BusyPercent(start, {108, 308, 200}), 0);     // all idle
    EXPECT_EQ(BusyPercent(start, {100, 304, 204}), 100);   // no idle
    EXPECT_EQ(BusyPercent(start, {107, 307, 201}), 13);    // 1 of 8: 12.5 goes up
    EXPECT_EQ(BusyPercent(start, {112, 305, 205}), 0);     // more idle than time: never below 0
    EXPECT_EQ(BusyPercent(start, start), -1);              // no time passed
    EXPECT_EQ(BusyPercent(start, {90, 290, 190}), -1);     // counters that went back
}

TEST(StartupLog, LinesReadBackAsWrittenAndOddOnesAreSkipped) {
    LoggedLaunch launch;
    launch.name = "Word, Excel";
    launch.launchedAt = 123456;
    launch.waited = "longest";
    launch.result = "31";
    launch.waitFrom = 1000;
    launch.idleFrom = 9000;
    LoggedLaunch read;
    ASSERT_TRUE(ParseLaunch(FormatLaunch(launch), read));
    EXPECT_EQ(FormatLaunch(read), FormatLaunch(launch));
    EXPECT_TRUE(read.Failed());
    EXPECT_TRUE(ParseLaunch("\"A\", 5, wait, ok", read));  // a shorter line from another version
    EXPECT_EQ(read.waitFrom, -1);
    launch.impact = "high";
    launch.cpuMs = 1510;
    launch.bytes = 5000000000LL;  // beyond 32 bits
    launch.cpuFrom = "job";
    launch.diskFrom = "process";
    ASSERT_TRUE(ParseLaunch(FormatLaunch(launch), read));
    EXPECT_EQ(FormatLaunch(read), "\"Word, Excel\", 123456, longest, 31, 1000, 9000, -1, none, 1510, 5000000000, high, job, process");
    // A measure cut short is none.
    ASSERT_TRUE(ParseLaunch("\"A\", 5, wait, ok, -1, -1, -1, none, 1510, 20, high, job", read));
    EXPECT_EQ(FormatLaunch(read), "\"A\", 5, wait, ok, -1, -1");
    for (const char* odd : {"", "A, 5, wait, ok", "\"A\", x, wait, ok", "\"A\", 5, wait", "\"A", "\"A\"x, 5, wait, ok",
                            "\"A\", 5, , ok"})
        EXPECT_FALSE(ParseLaunch(odd, read)) << odd;
    EXPECT_EQ(StartupLogPath("C:\\ORVANE\\Orvane.ini"), "C:\\ORVANE\\Orvane.log");
    EXPECT_EQ(StartupLogPath("C:\\Orvane.ini"), "C:\\Orvane.log");
    SystemTime t;
    t.year = 2026, t.month = 3, t.day = 1, t.hour = 0, t.minute = 0, t.second = 0, t.milliseconds = 5;
    SystemTime before = t;
    before.month = 2, before.day = 28, before.hour = 23, before.minute = 59, before.second = 59, before.milliseconds = 999;
    EXPECT_EQ(MillisecondsOf(t) - MillisecondsOf(before), 6);
    SystemTime epoch;
    epoch.year = 1601, epoch.month = 1, epoch.day = 1;
    EXPECT_EQ(MillisecondsOf(epoch), 0);
}

}  // namespace
