// The launch options in the configuration program: the fields of an
// Orvane.ini line, the properties' check boxes, the Wait column's marks and
// the longest wait for the network among the runner's options.
#include <gtest/gtest.h>

#include "common/LaunchOptions.h"
#include "common/ManagerInfo.h"
#include "config/WaitColumn.h"
#include "config/dialogs/MgrPropIds.h"
#include "config/dialogs/OptionsIds.h"
#include "tests/native/ConfigWorld.h"

using namespace config;

namespace {

ManagerLine Parsed(const std::string& text) {
    ManagerLine line;
    EXPECT_TRUE(CManagerInfoParser().ReadManagerLine(text, line)) << text;
    return line;
}

TEST(LaunchOptions, TheFieldsRoundTripThroughALineAndOthersAreKept) {
    ManagerLine line = Parsed("\"Mail\", \"Startup\", \"file:Mail.lnk\", \"x-future\", \"idle\", \"DAYS:153\", \"5\"");
    LaunchOptions options = LaunchOptionsOf(line.extras);
    EXPECT_EQ(options.bits, 0x15u * LaunchOptions::Monday);  // Monday, Wednesday, Friday; no option
    options.bits = LaunchOptions::Minimised | LaunchOptions::Mains | LaunchOptions::Network | 0x1Fu * LaunchOptions::Monday;
    SetLaunchOptions(line.extras, options);
    const std::string written = FormatManagerLine(line);
    EXPECT_EQ(written, "\"Mail\", \"Startup\", \"file:Mail.lnk\", \"x-future\", \"idle\", \"min\", \"mains\", \"net\", "
                       "\"days:12345\", \"5\"");
    const ManagerLine read = Parsed(written);
    EXPECT_EQ(read.source, "Startup");
    EXPECT_EQ(read.wait, "5");
    EXPECT_EQ(LaunchOptionsOf(read.extras).bits, options.bits);
    SetLaunchOptions(line.extras, LaunchOptions{});
    EXPECT_EQ(FormatManagerLine(line), "\"Mail\", \"Startup\", \"file:Mail.lnk\", \"x-future\", \"idle\", \"5\"");
    // A days field that names no weekday is no day at all.
    for (const char* days : {"days:", "days:089x"}) EXPECT_EQ(LaunchOptionsOf({days}).bits, 0u) << days;
    EXPECT_EQ(LaunchOptionsOf({"NET", "days:2", "days:3"}).bits, LaunchOptions::Network | 2 * LaunchOptions::Monday);
    EXPECT_TRUE(LaunchOptions{}.OnDay(LaunchOptions::Weekday(0)));
    EXPECT_FALSE(LaunchOptionsOf({"days:123456"}).OnDay(LaunchOptions::Weekday(0)));  // Sunday
}

TEST(LaunchOptions, TheWaitColumnMarksEachOption) {
    EXPECT_EQ(WaitColumnText("10", {"idle", "net", "min", "mains", "days:12345"}), "10 + idle + net, min, mains, days");
    EXPECT_EQ(WaitColumnText("", std::vector<std::string>{"net"}), "net");
    EXPECT_EQ(WaitColumnText("", std::vector<std::string>{"min"}), "min");
    EXPECT_EQ(WaitColumnText("3", {"x-future", "days:1234567"}), "3");
}

TEST(ConfigLaunchOptions, ThePropertiesSetTheOptionsAndTheSaveWritesThem) {
    ConfigWorld w;
    w.AddManaged({"Mail", "Word"});
    w.WriteIni("\"Mail\", \"Startup\", \"x-future\", \"min\", \"days:12345\", \"5\"\r\n"
               "\"Word\", \"Run\", \"\"\r\n");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2), "5, min, days");
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        std::string checks;
        for (int id = mgrprop::IdcMinimised; id <= mgrprop::IdcMonday + 6; ++id) checks += std::to_string(d.Button(id).Check());
        EXPECT_EQ(checks, "1001111100");
        d.Click(mgrprop::IdcMains);
        d.Click(mgrprop::IdcNetwork);
        d.Click(mgrprop::IdcMonday);
        d.Click(mgrprop::IdcMonday + 5);
        d.Click(win::IdOk);
    });
    w.host.DoubleClickRow(IdcManagerList, 0);
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2), "5 + net, min, mains, days");
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        for (int id = mgrprop::IdcMonday; id < mgrprop::IdcMonday + 7; ++id) EXPECT_EQ(d.Button(id).Check(), 1);
        d.Click(mgrprop::IdcMinimised);
        d.Click(win::IdOk);
    });
    w.host.DoubleClickRow(IdcManagerList, 1);
    EXPECT_EQ(w.List(IdcManagerList).ItemText(1, 2), "min");
    w.host.Click(win::IdOk);
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"Mail\", \"Startup\", \"x-future\", \"min\", \"mains\", \"net\", \"days:23456\", \"5\"\r\n"
              "\"Word\", \"Run\", \"min\", \"\"\r\n");
}

TEST(ConfigLaunchOptions, OptionsEditTheLongestWaitForTheNetwork) {
    ConfigWorld w;
    w.profile.WriteProfileInt(settings::kSection, settings::kNetworkLongest, 1000);  // as the runner reads it: 60
    ASSERT_TRUE(w.host.Open());
    w.host.ScriptChild([&](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Edit(options::IdcNetworkLongest).Text(), "60");
        d.Type(options::IdcNetworkLongest, "0");
        d.Click(win::IdOk);
        EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{
                                 {"Please enter a number in the range 1 - 999", win::MbOk | win::MbIconExclamation}}));
        d.Type(options::IdcNetworkLongest, "90");
        d.Click(win::IdOk);
        EXPECT_EQ(d.Result(), win::IdOk);
    });
    w.host.Command(IdViewOptions);
    EXPECT_EQ(ReadRunnerSettings(w.world.registry).networkLongest, 90);
}

}  // namespace
