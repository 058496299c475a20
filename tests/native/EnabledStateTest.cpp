// The enabled state shared with Windows: Task Manager's StartupApproved
// values read and written, the lists' check boxes, the state carried by each
// move, and the runner that launches nothing turned off.
#include <gtest/gtest.h>

#include "common/StartupApproved.h"
#include "config/transfer/RestoreMode.h"
#include "tests/native/Conservation.h"
#include "tests/native/RunnerWorld.h"
#include "ui/headless/HeadlessControls.h"

using namespace config;

namespace {

using R = RegistryRoot;
const std::string Approved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";

std::string Bytes(std::initializer_list<int> first, std::size_t size = 12) {
    std::string data(size, '\0');
    std::size_t at = 0;
    for (int byte : first) data[at++] = static_cast<char>(byte);
    return data;
}
const std::string Off = Bytes({3, 0, 0, 0, 0x10, 0x20});

void SetState(MemoryWorld& world, R root, const char* key, const std::string& name, const std::string& data) {
    world.registry.SetValue(root, Approved + key, name, win::RegBinary, data);
}
std::string State(const MemoryWorld& world, R root, const char* key, const std::string& name) {
    return world.registry.HasValue(root, Approved + key, name) ? world.registry.Value(root, Approved + key, name).data : "none";
}

std::vector<bool> Boxes(ConfigWorld& w, int list) {
    std::vector<bool> ticked;
    for (int row = 0; row < w.List(list).Count(); ++row) ticked.push_back(w.List(list).IsChecked(row));
    return ticked;
}

// A user's shortcut, a machine's and a 32-bit value, each turned off; and
// one of each that is on.
void EveryPlaceWithStates(ConfigWorld& w) {
    w.UseEveryPlace();
    w.AddStartup({"Mine", "Kept"});
    w.AddCommonStartup({"Shared"});
    w.world.registry.SetString(R::LocalMachine, ConfigWorld::RunKey, "Machine", "C:\\M.EXE");
    w.world.registry.SetString(R::CurrentUser, ConfigWorld::RunKey, "Own", "C:\\U.EXE");
    w.world.registry.SetString(R::LocalMachine32, ConfigWorld::RunKey, "Old", "C:\\W.EXE");
    w.world.registry.SetString(R::LocalMachine, ConfigWorld::RunServicesKey, "Svc", "C:\\S.EXE");
    SetState(w.world, R::CurrentUser, "StartupFolder", "Mine.lnk", Off);
    SetState(w.world, R::LocalMachine, "StartupFolder", "Shared.lnk", Bytes({7}));
    SetState(w.world, R::LocalMachine, "Run32", "Old", Off);
    // Another place's state of the same name says nothing of this one.
    SetState(w.world, R::LocalMachine, "Run", "Own", Off);
}

}  // namespace

TEST(EnabledState, OffOnlyWhenTwelveBytesStartWithTheLowBitSet) {
    struct Case {
        std::string data;
        bool off;
    };
    const Case cases[] = {{Bytes({3}), true},          {Bytes({7}), true},  {Bytes({2}), false},
                          {Bytes({6}), false},         {Bytes({0}), false}, {Bytes({8}), false},
                          {Bytes({3}, 11), false},     {Bytes({3}, 13), false}, {"", false}};
    for (const Case& c : cases) EXPECT_EQ(ApprovedOff(RegistryValue{"x", win::RegBinary, c.data}), c.off) << c.data.size();
}

TEST(EnabledState, OffWritesTheTimeAsAFileTimeOnWritesTwoAndClearNeedsNoKeyWhenNothingIsThere) {
    MemoryWorld world("C:\\ORVANE\\OrvaneConfig.exe");
    world.clock.time = SystemTime{1601, 1, 1, 1, 0, 0, 1, 0};  // one second into the file times
    const ItemPlace run = ItemPlace::Key(R::LocalMachine, "Run").Approved(R::LocalMachine, "Run");
    ASSERT_TRUE(WriteApproved(world.registry, world.clock, run, "Mail", ApprovedWrite::Off));
    // 10,000,000 steps of 100 ns: 0x989680, low byte first.
    EXPECT_EQ(State(world, R::LocalMachine, "Run", "Mail"), Bytes({3, 0, 0, 0, 0x80, 0x96, 0x98}));
    EXPECT_EQ(world.registry.Value(R::LocalMachine, Approved + "Run", "Mail").type, win::RegBinary);
    ASSERT_TRUE(WriteApproved(world.registry, world.clock, run, "Mail", ApprovedWrite::On));
    EXPECT_EQ(State(world, R::LocalMachine, "Run", "Mail"), Bytes({2}));
    ASSERT_TRUE(WriteApproved(world.registry, world.clock, run, "Mail", ApprovedWrite::Clear));
    EXPECT_EQ(State(world, R::LocalMachine, "Run", "Mail"), "none");
    // A user without rights to the machine's key clears what is not there.
    world.registry.DenyWrite(R::LocalMachine, Approved + "Run");
    EXPECT_TRUE(WriteApproved(world.registry, world.clock, run, "Mail", ApprovedWrite::Clear));
    EXPECT_FALSE(WriteApproved(world.registry, world.clock, run, "Mail", ApprovedWrite::Off));
    // RunServices keeps no states.
    EXPECT_TRUE(WriteApproved(world.registry, world.clock, ItemPlace::Key(R::LocalMachine, "RunServices"), "Mail", ApprovedWrite::Off));
}

TEST(EnabledState, EachListShowsTheStatesOfItsPlacesAndRunServicesHasNoBoxes) {
    ConfigWorld w;
    EveryPlaceWithStates(w);
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Mail.lnk", "C:\\MAIL.EXE", "");
    AddShortcut(w, std::string(ConfigWorld::Manager) + "News.lnk", "C:\\NEWS.EXE", "");
    w.WriteIni("\"Mail\", \"Startup\", \"off\", \"5\"\r\n\"News\", \"Run\", \"2\"\r\n");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.Rows(IdcStartupList), (std::vector<std::string>{"Mine", "Kept", "Shared"}));
    EXPECT_EQ(Boxes(w, IdcStartupList), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Boxes(w, IdcRunList), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(Boxes(w, IdcManagerList), (std::vector<bool>{false, true}));
    EXPECT_FALSE(w.List(IdcRunServicesList).HasCheckBoxes());
    // Opening writes nothing.
    EXPECT_EQ(w.world.registry.Values(R::CurrentUser, Approved + "Run").size(), 0u);
}

TEST(EnabledState, ABoxWritesAtOnceWhereTaskManagerKeepsTheStateAndSpaceTurnsTheSelectionLikeTheFocusedRow) {
    ConfigWorld w;
    EveryPlaceWithStates(w);
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
    w.host.ClickCheckBox(IdcRunList, 1);  // the user's Own: off
    EXPECT_EQ(State(w.world, R::CurrentUser, "Run", "Own").substr(0, 4), Bytes({3}, 4));
    w.host.ClickCheckBox(IdcRunList, 2);  // the 32-bit Old: on
    EXPECT_EQ(State(w.world, R::LocalMachine, "Run32", "Old"), Bytes({2}));
    w.host.ClickCheckBox(IdcStartupList, 2);  // everyone's Shared: on
    EXPECT_EQ(State(w.world, R::LocalMachine, "StartupFolder", "Shared.lnk"), Bytes({2}));
    // Space on a mixed selection: every row takes the opposite of the focused one.
    w.host.ClickRow(IdcStartupList, 0);  // Mine, off
    w.host.ClickRow(IdcStartupList, 1, true);
    w.host.ClickRow(IdcStartupList, 2, true);
    w.List(IdcStartupList).SetFocused(0);
    w.host.KeyDown(IdcStartupList, win::VkSpace);
    EXPECT_EQ(Boxes(w, IdcStartupList), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(State(w.world, R::CurrentUser, "StartupFolder", "Mine.lnk"), Bytes({2}));
    // A row already so is not written.
    EXPECT_EQ(State(w.world, R::CurrentUser, "StartupFolder", "Kept.lnk"), "none");
    w.List(IdcStartupList).SetFocused(1);
    w.host.KeyDown(IdcStartupList, win::VkSpace);
    EXPECT_EQ(Boxes(w, IdcStartupList), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(w.Shown().empty());
    // The manager's box is saved with its line, and the window asks before it goes.
    EXPECT_FALSE(w.CloseAsksToSave());
}

TEST(EnabledState, AFailedWriteIsToldWithTheRightsItNeedsAndTheBoxGoesBack) {
    ConfigWorld w;
    EveryPlaceWithStates(w);
    w.world.registry.DenyWrite(R::LocalMachine, Approved + "Run");
    ASSERT_TRUE(w.host.Open());
    w.host.ClickCheckBox(IdcRunList, 0);
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_EQ(w.Shown()[0].text,
              "Machine\n\nWhether Windows starts it, on or off, could not be written to:\n"
              "HKEY_LOCAL_MACHINE\\" + Approved + "Run\n\nThe keys of the whole computer can only be changed by an "
              "administrator.  Start OrvaneConfig as an administrator.");
    EXPECT_TRUE(w.List(IdcRunList).IsChecked(0));
    EXPECT_EQ(State(w.world, R::LocalMachine, "Run", "Machine"), "none");
}

TEST(EnabledState, AnUnreadableKeyShowsItsRowsOnAndSaysSoOnce) {
    ConfigWorld w;
    EveryPlaceWithStates(w);
    SetState(w.world, R::CurrentUser, "StartupFolder", "Kept.lnk", Off);
    w.world.faults.Add(Fault::RegistryEnumerate, "Kept.lnk");
    w.world.faults.Add(Fault::RegistryEnumerate, "Shared.lnk");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(Boxes(w, IdcStartupList), (std::vector<bool>{true, true, true}));
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_EQ(w.Shown()[0].text, "Whether Windows starts these items, on or off, could not be read:\nHKEY_CURRENT_USER\\" + Approved +
                                     "StartupFolder\n\nThey are shown as on.");
}

TEST(EnabledState, EachMoveCarriesTheStateAndLeavesNoStaleValue) {
    ConfigWorld w;
    EveryPlaceWithStates(w);
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
    // In: the shortcut and the value turned off stay off, and their values go.
    w.host.ClickRow(IdcStartupList, 0);
    w.host.Click(IdcAdd);
    w.host.ClickRow(IdcRunList, 2);
    w.host.Click(IdcRegistryAdd);
    EXPECT_EQ(w.Rows(IdcManagerList), (std::vector<std::string>{"Old", "Mine"}));
    EXPECT_EQ(Boxes(w, IdcManagerList), (std::vector<bool>{false, false}));
    EXPECT_EQ(State(w.world, R::CurrentUser, "StartupFolder", "Mine.lnk"), "none");
    EXPECT_EQ(State(w.world, R::LocalMachine, "Run32", "Old"), "none");
    // Back: Mine off by REMOVE; Old turned on in the manager and back by
    // Remove --> over a stale off value, which goes.
    SetState(w.world, R::LocalMachine, "Run32", "Old", Off);
    w.host.ClickCheckBox(IdcManagerList, 0);
    w.host.ClickRow(IdcManagerList, 0);
    w.host.Click(IdcRegistryRemove);
    EXPECT_EQ(State(w.world, R::LocalMachine, "Run32", "Old"), "none");
    w.host.ClickRow(IdcManagerList, 0);
    w.host.Click(IdcRemove);
    EXPECT_EQ(State(w.world, R::CurrentUser, "StartupFolder", "Mine.lnk").substr(0, 1), "\x03");
    EXPECT_EQ(w.Rows(IdcStartupList), (std::vector<std::string>{"Kept", "Shared", "Mine"}));
    EXPECT_EQ(Boxes(w, IdcStartupList), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(w.Rows(IdcRunList), (std::vector<std::string>{"Machine", "Own", "Old"}));
    EXPECT_EQ(Boxes(w, IdcRunList), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(w.Shown().empty());
}

TEST(EnabledState, TheLineKeepsTheStateBetweenSourceAndWaitAndRestoreWritesIt) {
    ConfigWorld w;
    EveryPlaceWithStates(w);
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Mail.lnk", "C:\\MAIL.EXE", "");
    AddShortcut(w, std::string(ConfigWorld::Manager) + "News.lnk", "C:\\NEWS.EXE", "");
    w.WriteIni("\"Mail\", \"Startup\", \"5\"\r\n\"News\", \"UserRun\", \"idle\", \"off\", \"2\"\r\n");
    ASSERT_TRUE(w.host.Open());
    w.host.ClickCheckBox(IdcManagerList, 0);
    w.host.Click(IdcClose);
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"Mail\", \"Startup\", \"off\", \"5\"\r\n\"News\", \"UserRun\", \"idle\", \"off\", \"2\"\r\n");
    // /restore: an off item gets an off value, an on one loses a stale one.
    w.world.files.AddFile(ConfigWorld::Ini, "\"Mail\", \"Startup\", \"off\", \"5\"\r\n\"News\", \"UserRun\", \"2\"\r\n");
    SetState(w.world, R::CurrentUser, "Run", "News", Off);
    EXPECT_EQ(RestoreWithoutWindow(w.platform, true), RestoreDone);
    EXPECT_EQ(State(w.world, R::CurrentUser, "StartupFolder", "Mail.lnk").substr(0, 1), "\x03");
    EXPECT_EQ(State(w.world, R::CurrentUser, "Run", "News"), "none");
    // Back, but not in its state: an error, in the report.
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Pager.lnk", "C:\\PAGER.EXE", "");
    w.world.files.AddFile(ConfigWorld::Ini, "\"Pager\", \"Startup\", \"off\", \"\"\r\n");
    w.world.faults.Add(Fault::RegistrySet, "Pager.lnk");
    EXPECT_EQ(RestoreWithoutWindow(w.platform, true), RestoreItemsLeft);
    EXPECT_EQ(w.Entries(ConfigWorld::StartupFolder).back(), "Pager.lnk");
    EXPECT_EQ(w.world.files.Contents(std::string(ConfigWorld::Dir) + RestoreReportName).substr(0, 54),
              "Every item was restored, with errors.\r\nPager.lnk, for ");
}

TEST(EnabledState, TheRunnerLaunchesNoItemTurnedOffAndTurnsOffWhereItsProgramPutItselfBack) {
    RunnerWorld r;
    const auto shortcut = [&](const std::string& name, const std::string& target) {
        r.world.links.InitializeCom();
        r.world.links.Save(r.Item(name), ShortcutFields{target, "", "", ""});
        r.world.links.UninitializeCom();
    };
    shortcut("Mail", "C:\\MAIL.EXE");
    shortcut("Back", "C:\\BACK.EXE");
    shortcut("Held", "C:\\HELD.EXE");
    shortcut("Tray", "C:\\TRAY.EXE");
    r.ini = "\"Mail\", \"Startup\", \"off\", \"30\"\r\n\"Back\", \"Run\", \"off\", \"\"\r\n"
            "\"Held\", \"Run\", \"off\", \"\"\r\n\"Tray\", \"Run\", \"\"\r\n";
    // Back and Held put themselves back; Held where Windows refuses Orvane its
    // state. Tray is back too, but turned off there: Orvane starts it.
    r.world.registry.SetString(R::CurrentUser, settings::kRunKey, "Back", "C:\\BACK.EXE");
    r.world.registry.SetString(R::LocalMachine, settings::kRunKey, "Held", "C:\\HELD.EXE");
    r.world.registry.DenyWrite(R::LocalMachine, Approved + "Run");
    r.world.registry.SetString(R::CurrentUser, settings::kRunKey, "Tray", "C:\\TRAY.EXE");
    SetState(r.world, R::CurrentUser, "Run", "Tray", Off);
    r.world.files.AddFile("C:\\ORVANE\\Orvane.seen", "UserRun\tseen\tBack\nRun\tseen\tHeld\n");
    ASSERT_TRUE(r.Open());
    for (int tick = 0; tick < 8; ++tick) r.host.Tick();
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("Tray")}));
    const auto line = [&](int index) { return dynamic_cast<HeadlessListBox&>(r.host.ListBox(runner::IdcRunList)).Line(index); };
    EXPECT_EQ(line(0), "Mail - off, not launched");
    EXPECT_EQ(line(1), "Back - off, not launched; turned off where Windows starts it too");
    EXPECT_EQ(line(2), "Held - off, but Windows starts it: its entry there could not be turned off");
    EXPECT_EQ(line(3), "Tray");
    EXPECT_EQ(State(r.world, R::CurrentUser, "Run", "Back").substr(0, 1), "\x03");
    // The new entry is named as what it is: off, and no program left to Windows.
    ASSERT_EQ(r.world.messages.shown.size(), 1u);
    EXPECT_NE(r.world.messages.shown[0].text.find("\n    Tray  (off)\n"), std::string::npos);
    const std::vector<LoggedRun> runs = ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log");
    ASSERT_EQ(runs.size(), 1u);
    std::string results;
    for (const LoggedLaunch& launch : runs[0].launches) results += launch.name + ":" + launch.result + " ";
    EXPECT_EQ(results, "Mail:off Back:off Held:off Tray:ok ");
}
