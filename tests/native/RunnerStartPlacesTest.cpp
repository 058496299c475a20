// What the runner makes of the places Windows starts programs from: a
// managed program that put itself back there is not started a second time,
// and entries that appeared since its last look are named once.
#include <gtest/gtest.h>

#include "common/SeenRecord.h"
#include "tests/native/RunnerWorld.h"
#include "ui/headless/HeadlessControls.h"

namespace {

void AddShortcutItem(RunnerWorld& r, const std::string& name, const std::string& target, const std::string& arguments) {
    r.world.links.InitializeCom();
    r.world.links.Save(r.Item(name), ShortcutFields{target, arguments, "", ""});
    r.world.links.UninitializeCom();
    r.AddLine(name, "");
}

std::string Line(RunnerWorld& r, int index) {
    return dynamic_cast<HeadlessListBox&>(r.host.ListBox(runner::IdcRunList)).Line(index);
}

}  // namespace

TEST(RunnerStartPlaces, AProgramBackInARunKeyIsLeftToWindowsAndItsLineSaysSo) {
    RunnerWorld r;
    r.world.registry.SetSeparate32BitView(true);
    AddShortcutItem(r, "Own", "C:\\Program Files\\Own\\own.exe", "-tray");
    AddShortcutItem(r, "Old", "C:\\OLD.EXE", "");
    AddShortcutItem(r, "Kept", "C:\\KEPT.EXE", "-k");
    AddShortcutItem(r, "Other", "C:\\OTHER.EXE", "-a");
    AddShortcutItem(r, "Tray", "C:\\TRAY.EXE", "/t");
    // Quotes and case aside, the same command; another's arguments are another command.
    // A value passed over (the runner's own, one not a string) does not end the key.
    r.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, settings::kRunValue, "C:\\ORVANE\\Orvane.exe");
    r.world.registry.SetValue(RegistryRoot::CurrentUser, settings::kRunKey, "Number", win::RegDword, std::string(4, '\0'));
    r.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, "Own", "\"c:\\program files\\own\\OWN.EXE\" -tray");
    r.world.registry.SetString(RegistryRoot::LocalMachine32, settings::kRunKey, "Old", "C:\\OLD.EXE");
    r.world.registry.SetString(RegistryRoot::LocalMachine, settings::kRunKey, "Other", "C:\\OTHER.EXE -b");
    // Back as a shortcut of another name in the Startup folder.
    r.world.files.AddDirectory("C:\\WINDOWS\\Start Menu\\Programs\\Startup");
    r.world.links.InitializeCom();
    r.world.links.Save("C:\\WINDOWS\\Start Menu\\Programs\\Startup\\Tray icon.lnk", ShortcutFields{"c:\\tray.exe", "/t", "", ""});
    r.world.links.UninitializeCom();
    // Own is new there since the last look: the box says why it is left to Windows.
    r.world.files.AddFile("C:\\ORVANE\\Orvane.seen",
                          "UserRun\tseen\tOrvane\nRun32\tseen\tOld\nRun\tseen\tOther\nStartup\tseen\tTray icon.lnk\n");
    ASSERT_TRUE(r.Open());
    for (int tick = 0; tick < 8; ++tick) r.host.Tick();
    ASSERT_EQ(r.world.messages.shown.size(), 1u);
    EXPECT_EQ(r.world.messages.shown[0].text,
              std::string(CRunnerDlg::NewEntriesTitle) + "\n\nHKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\n    Own  (" +
                  CRunnerDlg::PutBackNote + ")\n\n" + CRunnerDlg::NewEntriesQuestion);
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("Kept"), r.Item("Other")}));
    EXPECT_EQ(Line(r, 0), "Own - started by Windows itself");
    EXPECT_EQ(Line(r, 1), "Old - started by Windows itself");
    EXPECT_EQ(Line(r, 2), "Kept");
    EXPECT_EQ(Line(r, 4), "Tray - started by Windows itself");
    // The record has every turn, each left to Windows said as such.
    const std::vector<LoggedRun> runs = ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log");
    ASSERT_EQ(runs.size(), 1u);
    std::string results;
    for (const LoggedLaunch& launch : runs[0].launches) results += launch.name + ":" + launch.result + " ";
    EXPECT_EQ(results, "Own:windows Old:windows Kept:ok Other:ok Tray:windows ");
}

TEST(RunnerStartPlaces, WithoutASeparateViewThe32BitKeyIsNotAskedAndAnUnreadableShortcutStillRuns) {
    RunnerWorld r;
    AddShortcutItem(r, "Old", "C:\\OLD.EXE", "");
    r.AddItem("Plain", "");  // no shortcut that loads
    // What a 64-bit program alone would see apart from the machine's key.
    r.world.registry.SetString(RegistryRoot::LocalMachine, "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
                               "Old", "C:\\OLD.EXE");
    ASSERT_TRUE(r.Open());
    for (int tick = 0; tick < 4; ++tick) r.host.Tick();
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("Old"), r.Item("Plain")}));
}

TEST(RunnerStartPlaces, EntriesNewSinceTheLastLookAreNamedOnceWhileTheRunGoesOn) {
    RunnerWorld r;
    r.AddItem("Mail", "");
    r.AddItem("News", "");
    r.AddItem("Late", "");
    // One failure while the box is open is only marked in its line; the next box waits for the first.
    r.world.faults.Add(Fault::Execute, r.Item("News"));
    r.world.faults.Add(Fault::Execute, r.Item("Late"));
    r.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, "Old", "C:\\OLD.EXE");
    r.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, "Fresh", "C:\\FRESH.EXE");
    r.world.files.AddDirectory("C:\\WINDOWS\\Start Menu\\Programs\\Startup");
    r.world.files.AddFile("C:\\WINDOWS\\Start Menu\\Programs\\Startup\\Chat.lnk", "link");
    r.world.files.AddFile("C:\\ORVANE\\Orvane.seen", "UserRun\tseen\tOLD\nno entry\nRun\tsomething\tElse\nStartup\tnew\tChat.lnk\nRun\tseen\tGone\n");
    // The box is open over two ticks of the run, and its Yes opens the configuration.
    r.world.files.AddFile("C:\\ORVANE\\OrvaneConfig.exe", "program");
    r.world.messages.Answer(win::IdYes, [&] {
        r.host.Tick();
        r.host.Tick();
    });
    ASSERT_TRUE(r.Open());
    r.host.Tick();
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("Mail"), r.Item("News"), "C:\\ORVANE\\OrvaneConfig.exe"}));
    ASSERT_EQ(r.world.messages.shown.size(), 1u) << r.world.messages.shown.back().text;
    // Named: only what the last look did not see, with where it lives.
    EXPECT_EQ(r.world.messages.shown[0].text,
              std::string(CRunnerDlg::NewEntriesTitle) +
                  "\n\nHKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\n    Fresh\n\n" +
                  CRunnerDlg::NewEntriesQuestion);
    EXPECT_EQ(r.world.files.Contents("C:\\ORVANE\\Orvane.seen"), "Startup\tnew\tChat.lnk\r\nUserRun\tseen\tOld\r\nUserRun\tnew\tFresh\r\n");
    for (int tick = 0; tick < 3; ++tick) r.host.Tick();
    ASSERT_EQ(r.world.messages.shown.size(), 2u);
    EXPECT_EQ(r.world.messages.shown[1].text, r.Item("Late") + "\n" + CRunnerDlg::RunError + "\n\nError 2: The system cannot find the file specified.");
}

TEST(RunnerStartPlaces, WithoutARecordNothingIsNamedAndAnUnreadableOneIsToldAndKept) {
    RunnerWorld first;
    first.AddItem("Mail", "");
    first.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, "Line\\One\nTwo", "C:\\X.EXE");
    ASSERT_TRUE(first.Open());
    first.host.Tick();
    EXPECT_TRUE(first.world.messages.shown.empty());
    // Names keep every character through the record.
    const std::string noted = first.world.files.Contents("C:\\ORVANE\\Orvane.seen");
    EXPECT_EQ(noted, "UserRun\tseen\tLine\\\\One\\nTwo\r\n");
    std::vector<SeenEntry> read;
    EXPECT_EQ(ReadSeenRecord(first.world.files, "C:\\ORVANE\\Orvane.seen", read), SeenFile::Read);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name, "Line\\One\nTwo");

    // A start that finds what the last one noted does not write the record
    // again; a place not there this time (no separate 32-bit view) keeps its entries.
    RunnerWorld same;
    same.AddItem("Mail", "");
    same.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, "Old", "C:\\OLD.EXE");
    same.world.files.AddFile("C:\\ORVANE\\Orvane.seen", "UserRun\tseen\tOld\nRun32\tseen\tW\n");
    same.world.faults.Add(Fault::Open, "C:\\ORVANE\\Orvane.seen.new");
    ASSERT_TRUE(same.Open());
    same.host.Tick();
    EXPECT_TRUE(same.world.messages.shown.empty());

    RunnerWorld second;
    second.AddItem("Mail", "");
    second.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, "Fresh", "C:\\FRESH.EXE");
    second.world.files.AddFile("C:\\ORVANE\\Orvane.seen", "UserRun\tseen\tOld\n");
    second.world.faults.Add(Fault::Open, "C:\\ORVANE\\Orvane.seen");
    ASSERT_TRUE(second.Open());
    second.host.Tick();
    second.host.Tick();
    ASSERT_EQ(second.world.messages.shown.size(), 1u);
    EXPECT_NE(second.world.messages.shown[0].text.find("could not be read:\nC:\\ORVANE\\Orvane.seen"), std::string::npos);
    EXPECT_EQ(second.world.files.Contents("C:\\ORVANE\\Orvane.seen"), "UserRun\tseen\tOld\n");
    EXPECT_EQ(second.Launched(), (std::vector<std::string>{second.Item("Mail")}));
}

// A place that cannot be read keeps what the record had for it: its entries
// are not gone, and are not named again when it can be read once more.
TEST(RunnerStartPlaces, AnUnreadablePlaceKeepsItsEntriesInTheRecord) {
    RunnerWorld r;
    r.AddItem("Mail", "");
    r.world.files.AddDirectory("C:\\WINDOWS\\Start Menu\\Programs\\Startup");
    r.world.files.AddFile("C:\\WINDOWS\\Start Menu\\Programs\\Startup\\Note.lnk", "link");
    r.world.files.AddDirectory("C:\\ALL");
    r.world.files.AddFile("C:\\ALL\\Shared.lnk", "link");
    r.world.registry.SetString(RegistryRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                               "Common Startup", "C:\\ALL");
    r.world.faults.Add(Fault::Find, "C:\\ALL\\*.*");
    r.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, "Fresh", "C:\\FRESH.EXE");
    r.world.files.AddFile("C:\\ORVANE\\Orvane.seen", "AllStartup\tnew\tShared.lnk\nStartup\tseen\tOld.lnk\n");
    ASSERT_TRUE(r.Open());
    r.host.Tick();
    EXPECT_EQ(r.world.files.Contents("C:\\ORVANE\\Orvane.seen"),
              "Startup\tnew\tNote.lnk\r\nAllStartup\tnew\tShared.lnk\r\nUserRun\tnew\tFresh\r\n");
}
