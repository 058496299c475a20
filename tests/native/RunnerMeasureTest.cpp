// Each launch's first minute, measured through the job, the process or its
// threads, whichever tells the truth; rated, recorded, and never in the way
// of a launch. And idle waits that watch the disks too.
#include <gtest/gtest.h>

#include "tests/native/RunnerWorld.h"

using namespace runner;

namespace {

struct Scripted {
    const char* name;
    long cpuMs;
    uint64_t read;
};

class RunnerMeasure : public ::testing::Test {
protected:
    RunnerWorld r;
    // The items launch at once and cost what they say; then their minute.
    void Run(std::initializer_list<Scripted> items) {
        for (const Scripted& item : items) r.AddItem(item.name, "");
        r.Open();
        r.host.Tick(static_cast<int>(items.size()));
        for (const Scripted& item : items) {
            MemoryProgram& program = r.world.processes.Of(r.Item(item.name));
            program.cpuMs = item.cpuMs;
            program.read = item.read;
        }
        r.world.clock.Advance(1000);
        r.dialog.FinishMeasuring();
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        const std::vector<LoggedRun> runs = ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log");
        for (const LoggedLaunch& launch : runs.back().launches)
            lines.push_back(FormatLaunch(launch));
        return lines;
    }
};

TEST_F(RunnerMeasure, EachLaunchIsRatedOnItsJobsProcessorTimeAndBytes) {
    Run({{"Heavy", 1200, 0}, {"Light", 100, 0}, {"Middle", 400, 0}, {"Edge", 1000, 300 * 1024},
         {"Disk", 0, 4 << 20}});
    EXPECT_EQ(Lines(), (std::vector<std::string>{"\"Heavy\", 0, wait, ok, -1, -1, -1, none, 1200, 0, high, job, job",
                                                 "\"Light\", 0, wait, ok, -1, -1, -1, none, 100, 0, low, job, job",
                                                 "\"Middle\", 0, wait, ok, -1, -1, -1, none, 400, 0, medium, job, job",
                                                 "\"Edge\", 0, wait, ok, -1, -1, -1, none, 1000, 307200, medium, job, job",
                                                 "\"Disk\", 0, wait, ok, -1, -1, -1, none, 0, 4194304, high, job, job"}));
    // The job never ended anything, and every handle is closed.
    EXPECT_TRUE(r.world.processes.Of(r.Item("Heavy")).running);
    EXPECT_TRUE(r.world.shell.open.empty());
    EXPECT_TRUE(r.world.processes.openJobs.empty());
    EXPECT_EQ(r.world.processes.forgotten.size(), 5u);
}

TEST_F(RunnerMeasure, WithoutAJobTheProcessItselfIsMeasured) {
    r.world.processes.jobs = false;
    Run({{"Alone", 350, 1 << 20}});
    EXPECT_EQ(Lines()[0], "\"Alone\", 0, wait, ok, -1, -1, -1, none, 350, 1048576, medium, process, process");
    // Once the process's times matched its threads', the threads are read no more.
    EXPECT_EQ(r.world.processes.threadReads, 1);
}

// As under Wine: a job that counts nothing, process times that are the
// caller's own, I/O counters of zeros. The threads' times are true while
// the process runs; its largest reading stands after it ends.
TEST_F(RunnerMeasure, AFigureThatCannotBeTrustedIsNotMeasured) {
    MemoryProcesses& processes = r.world.processes;
    processes.jobAccounting = processes.processTimes = processes.ioCounters = false;
    r.SetOption(settings::kCloseWhenFinished, 0);
    r.AddItem("Busy", "");
    r.AddItem("Link", "");
    r.Open();
    r.host.Tick();
    r.world.shell.processless = true;  // as a shortcut under some systems
    r.host.Tick();
    MemoryProgram& busy = processes.Of(r.Item("Busy"));
    busy.cpuMs = 1510;
    r.NextSecond();
    busy.running = false;
    r.NextSecond();
    EXPECT_FALSE(r.host.HasTimer(SequencerTimer));  // nothing left to read
    EXPECT_EQ(Lines(), (std::vector<std::string>{"\"Busy\", 0, wait, ok, -1, -1, -1, none, 1510, -1, high, threads, none",
                                                 "\"Link\", 0, wait, ok, -1, -1, -1, none, -1, -1, unmeasured, none, none"}));
}

TEST_F(RunnerMeasure, AnItemAtLowPriorityReturnsToNormalAfterItsMinute) {
    r.AddItem("Gentle", "");
    r.ini = "\"Gentle\", \"Startup\", \"low\", \"\"\r\n";
    r.AddItem("Eager", "");
    r.SetOption(settings::kCloseWhenFinished, 0);
    r.Open();
    r.host.Tick(2);
    EXPECT_TRUE(r.world.processes.Of(r.Item("Gentle")).low);
    EXPECT_FALSE(r.world.processes.Of(r.Item("Eager")).low);
    // A job seen running that counts no process any more: its measure is over.
    r.NextSecond();
    r.world.processes.Of(r.Item("Eager")).running = false;
    r.NextSecond();
    EXPECT_EQ(r.world.shell.open.size(), 1u);
    r.world.clock.Advance(kMeasuredMs - 2000 - 1);
    r.host.Tick();
    EXPECT_TRUE(r.world.processes.Of(r.Item("Gentle")).low);
    r.world.clock.Advance(1);
    r.host.Tick();
    EXPECT_FALSE(r.world.processes.Of(r.Item("Gentle")).low);
}

// Whatever measure fails, the launch happens, every handle is closed, and
// the record says what could not be measured.
TEST_F(RunnerMeasure, AFailedMeasureNeverHoldsTheLaunchNorLeaksAHandle) {
    r.world.faults.Add(Fault::Measure);
    Run({{"Mail", 2000, 0}});
    EXPECT_EQ(Lines()[0], "\"Mail\", 0, wait, ok, -1, -1, -1, none, -1, -1, unmeasured, none, none");
    for (int nth = 1; nth <= 12; ++nth) {
        RunnerWorld each;
        each.AddItem("Mail", "");
        each.Open();
        each.world.faults.FailNth(nth);
        each.host.Tick();
        each.world.clock.Advance(1000);
        each.dialog.FinishMeasuring();
        EXPECT_EQ(each.Launched().size(), 1u) << nth;
        EXPECT_TRUE(each.world.shell.open.empty()) << nth;
        EXPECT_TRUE(each.world.processes.openJobs.empty()) << nth;
    }
}

TEST_F(RunnerMeasure, ABusyDiskHoldsAnIdleItemToItsLimit) {
    r.SetOption(settings::kIdleLongest, 4);
    r.world.processes.disks = {DiskTimes{}, DiskTimes{}};
    r.AddIdleItem("Idle", "0");
    r.Open();
    r.host.Tick();
    for (int second = 0; second < 3; ++second) {
        r.world.processes.SpendDisks(1000, 90);
        r.NextSecondBusy(0);
    }
    EXPECT_EQ(r.Status(), "Idle? CPU 0% disk 90%");
    EXPECT_TRUE(r.Launched().empty());
    r.world.processes.disks[1].query += 10000000;  // the other disk quiet
    r.world.processes.disks[1].idle += 10000000;
    r.NextSecondBusy(0);
    ASSERT_EQ(r.Launched().size(), 1u);
    const LoggedRun run = ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log").back();
    EXPECT_EQ(run.idle, "cpu+disk");
    EXPECT_EQ(run.launches[0].waited, "longest");
}

TEST(RateImpact, TaskManagersThresholdsOnWhatWasMeasured) {
    EXPECT_STREQ(RateImpact(-1, 0), "low");  // the disk alone
    EXPECT_STREQ(RateImpact(299, 300 * 1024 - 1), "low");
    EXPECT_STREQ(RateImpact(1001, -1), "high");
    EXPECT_STREQ(RateImpact(-1, 3 * 1024 * 1024 + 1), "high");
    EXPECT_STREQ(RateImpact(1000, 3 * 1024 * 1024), "medium");  // neither over
    EXPECT_STREQ(RateImpact(-1, -1), "unmeasured");
}

TEST(DiskBusy, TheBusiestDiskCountsAndReadingsThatDoNotCompareCountNothing) {
    const std::vector<DiskTimes> before{{100, 1000}, {500, 1000}};
    EXPECT_EQ(DiskBusyPercent(before, {{150, 1100}, {510, 1100}}), 90);
    EXPECT_EQ(DiskBusyPercent(before, {{200, 1100}, {600, 1100}}), 0);
    EXPECT_EQ(DiskBusyPercent(before, {{100, 1000}, {500, 1000}}), -1);  // no time passed
    EXPECT_EQ(DiskBusyPercent(before, {{200, 1100}}), -1);                // a disk fewer
    EXPECT_EQ(DiskBusyPercent({{100, 1000}}, {{300, 1100}}), 0);  // idle beyond the time passed: never below 0
}

}  // namespace
