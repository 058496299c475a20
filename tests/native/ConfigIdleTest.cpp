// Setting the idle condition in the configuration program: the manager
// item's check box and Wait column, and the runner options' three numbers.
#include <gtest/gtest.h>

#include "config/WaitColumn.h"
#include "config/dialogs/MgrPropIds.h"
#include "config/dialogs/OptionsIds.h"
#include "tests/native/ConfigWorld.h"

using namespace config;

namespace {

using Shown = std::vector<ShownMessage>;

TEST(ConfigIdle, TheWaitColumnAndTheSavedWaitTurnIntoEachOtherExactly) {
    for (const char* wait : {"", "10", "idle", "3 + idle", " + idle", "abc"})
        for (bool idle : {false, true}) EXPECT_EQ(WaitOfColumn(WaitColumnText(wait, idle), idle), wait) << wait << idle;
    EXPECT_EQ(WaitColumnText("10", true), "10 + idle");
    EXPECT_EQ(WaitColumnText("", true), "idle");
    EXPECT_EQ(WaitColumnText("10", false), "10");
}

TEST(ConfigIdle, TheCheckBoxMarksAnItemAndTheSaveKeepsEveryOtherField) {
    ConfigWorld w;
    w.AddManaged({"Mail", "Word", "Plain"});
    w.WriteIni("\"Mail\", \"Startup\", \"x-future\", \"x-later\", \"5\"\r\n"
               "\"Word\", \"Run\", \"IDLE\", \"\"\r\n"
               "\"Plain\", \"Startup\", \"3\"\r\n");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2), "5");
    EXPECT_EQ(w.List(IdcManagerList).ItemText(1, 2), "idle");
    EXPECT_EQ(w.List(IdcManagerList).ItemText(2, 2), "3");

    w.host.ScriptChild([](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Edit(mgrprop::IdcWait).Text(), "5");
        EXPECT_EQ(d.Button(mgrprop::IdcIdle).Check(), 0);
        d.Click(mgrprop::IdcIdle);
        d.Edit(mgrprop::IdcWait).SetText("10");
        d.Click(win::IdOk);
    });
    w.host.DoubleClickRow(IdcManagerList, 0);
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2), "10 + idle");

    w.host.ScriptChild([](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Edit(mgrprop::IdcWait).Text(), "");
        EXPECT_EQ(d.Button(mgrprop::IdcIdle).Check(), 1);
        EXPECT_EQ(d.Button(mgrprop::IdcLow).Check(), 0);
        d.Click(mgrprop::IdcIdle);
        d.Click(mgrprop::IdcLow);
        d.Edit(mgrprop::IdcWait).SetText("12");
        d.Click(win::IdOk);
    });
    w.host.DoubleClickRow(IdcManagerList, 1);
    EXPECT_EQ(w.List(IdcManagerList).ItemText(1, 2), "12");

    // Refused: the check box changes nothing either.
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        d.Click(mgrprop::IdcIdle);
        d.Edit(mgrprop::IdcWait).SetText("100");
        d.Click(win::IdOk);
        d.Click(win::IdCancel);
    });
    w.host.DoubleClickRow(IdcManagerList, 2);
    EXPECT_EQ(w.List(IdcManagerList).ItemText(2, 2), "3");

    w.host.Click(win::IdOk);
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"Mail\", \"Startup\", \"x-future\", \"x-later\", \"idle\", \"10\"\r\n"
              "\"Word\", \"Run\", \"low\", \"12\"\r\n"
              "\"Plain\", \"Startup\", \"3\"\r\n");
}

// The rating of the last run that launched each item: a run that failed it
// or left it to Windows does not count, nor does it hide an older rating.
TEST(ConfigIdle, TheImpactColumnShowsEachItemsLastMeasuredLaunch) {
    ConfigWorld w;
    w.AddManaged({"Mail", "Word", "Plain", "Old", "Link"});
    w.WriteIni("\"Mail\", \"Startup\", \"low\", \"\"\r\n");
    w.world.files.AddFile("C:\\ORVANE\\Orvane.log",
                          "Start-up 2026-12-06 08:00:00 UTC\r\n"
                          "\"Mail\", 0, wait, ok, -1, -1, -1, none, 1500, -1, high, threads, none\r\n"
                          "\"Word\", 0, wait, ok, -1, -1, -1, none, 90, 1000, low, job, job\r\n"
                          "Start-up 2026-12-07 08:00:00 UTC\r\n"
                          "\"Mail\", 0, wait, ok, -1, -1, -1, none, 400, 0, medium, job, job\r\n"
                          "\"Word\", 0, wait, 2, -1, -1\r\n"
                          "\"Old\", 0, wait, ok, -1, -1\r\n"
                          "\"Link\", 0, wait, ok, -1, -1, -1, none, -1, -1, unmeasured, none, none\r\n");
    ASSERT_TRUE(w.host.Open());
    HeadlessListView& list = w.List(IdcManagerList);
    ASSERT_EQ(list.Count(), 5);
    std::vector<std::string> impacts;
    for (int row = 0; row < list.Count(); ++row) impacts.push_back(list.ItemText(row, 0) + ":" + list.ItemText(row, 3));
    EXPECT_EQ(impacts, (std::vector<std::string>{"Mail:Medium", "Word:Low", "Plain:", "Old:", "Link:Not measured"}));
}

TEST(ConfigIdle, OptionsEditTheThreeNumbersWithinTheirRanges) {
    ConfigWorld w;
    w.profile.WriteProfileInt(settings::kSection, settings::kIdleLongest, 5000);  // as the runner reads it: 120
    ASSERT_TRUE(w.host.Open());
    const auto setting = [&](const char* name) { return w.profile.GetProfileInt(settings::kSection, name, -1); };
    w.host.ScriptChild([&](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Edit(options::IdcIdleBusyPercent).Text(), "20");
        EXPECT_EQ(d.Edit(options::IdcIdleSeconds).Text(), "5");
        EXPECT_EQ(d.Edit(options::IdcIdleLongest).Text(), "120");
        IButton& apply = d.Button(options::IdcApply);
        EXPECT_FALSE(apply.IsEnabled());
        d.Type(options::IdcIdleSeconds, "8");
        EXPECT_TRUE(apply.IsEnabled());
        const struct {
            int edit;
            const char* text;
            const char* message;
        } refused[] = {{options::IdcIdleBusyPercent, "0", "Please enter a number in the range 1 - 99"},
                       {options::IdcIdleBusyPercent, "100", "Please enter a number in the range 1 - 99"},
                       {options::IdcIdleSeconds, "", "Please enter a number in the range 1 - 99"},
                       {options::IdcIdleLongest, "1000", "Please enter a number in the range 1 - 999"},
                       {options::IdcIdleLongest, "4294967416", "Please enter a number in the range 1 - 999"}};
        for (const auto& each : refused) {
            const std::string kept = d.Edit(each.edit).Text();
            w.world.messages.shown.clear();
            d.Type(each.edit, each.text);
            d.Click(win::IdOk);
            EXPECT_EQ(w.Shown(), (Shown{{each.message, win::MbOk | win::MbIconExclamation}})) << each.text;
            EXPECT_EQ(d.Edit(each.edit).Text(), "") << each.text;
            EXPECT_FALSE(d.HasEnded());
            d.Type(each.edit, kept.empty() ? "8" : kept);
        }
        EXPECT_EQ(setting(settings::kIdleSeconds), -1) << "nothing is written while a number is refused";
        d.Type(options::IdcIdleBusyPercent, "35");
        d.Type(options::IdcIdleLongest, "999");
        d.Click(win::IdOk);
        EXPECT_EQ(d.Result(), win::IdOk);
    });
    w.host.Command(IdViewOptions);
    EXPECT_EQ(setting(settings::kIdleBusyPercent), 35);
    EXPECT_EQ(setting(settings::kIdleSeconds), 8);
    EXPECT_EQ(setting(settings::kIdleLongest), 999);
    const RunnerSettings runner = ReadRunnerSettings(w.world.registry);
    EXPECT_EQ(runner.idleBusyPercent, 35);
    EXPECT_EQ(runner.idleSeconds, 8);
    EXPECT_EQ(runner.idleLongest, 999);
}

}  // namespace
