// OrvaneConfig /restore [/quiet]: every item back where it came from, an item
// without an origin into the Windows Startup folder, and what cannot go back
// left in the manager with its line, in a report and in the exit code.
#include <gtest/gtest.h>

#include "config/transfer/RestoreMode.h"
#include "tests/native/Conservation.h"

namespace {

using Shown = std::vector<ShownMessage>;
const std::string Report = std::string(ConfigWorld::Dir) + RestoreReportName;
const std::string Startup = ConfigWorld::StartupFolder;
const std::string Manager = ConfigWorld::Manager;

void SetRunner(ConfigWorld& w) {
    w.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, settings::kRunValue, "C:\\ORVANE\\Orvane.exe");
}

}  // namespace

TEST(RestoreMode, EachItemGoesBackAndOneWithoutOriginIntoTheStartupFolder) {
    ConfigWorld w;
    AddShortcut(w, Manager + "Clock.lnk", "C:\\CLOCK.EXE", "");
    AddShortcut(w, Manager + "Tray.lnk", "C:\\PROGRA~1\\TRAY.EXE", "-t");
    AddShortcut(w, Manager + "Svc.lnk", "C:\\SVC.EXE", "-q");
    AddShortcut(w, Manager + "Loose.lnk", "C:\\LOOSE.EXE", "");
    w.WriteIni("\"Clock\", \"Startup\", \"1\"\r\n\"Tray\", \"Run\", \"idle\", \"2\"\r\n\"Svc\", \"Services\", \"\"\r\n");
    SetRunner(w);
    w.world.files.AddFile(Report, "an old report");
    const std::string seen = std::string(ConfigWorld::Dir) + "Orvane.seen";
    w.world.files.AddFile(seen, "Run\tseen\tTray\n");
    const std::string log = std::string(ConfigWorld::Dir) + "Orvane.log";
    w.world.files.AddFile(log, "Start-up 2026-12-07 08:14:03 UTC\n");

    EXPECT_EQ(RestoreWithoutWindow(w.platform, true), RestoreDone);
    EXPECT_TRUE(w.Shown().empty());
    EXPECT_EQ(w.Entries(Startup), (std::vector<std::string>{"Clock.lnk", "Loose.lnk"}));
    EXPECT_EQ(w.world.registry.Value(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Tray").Text(), "C:\\PROGRA~1\\TRAY.EXE -t");
    EXPECT_EQ(w.world.registry.Value(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey, "Svc").Text(), "C:\\SVC.EXE -q");
    // Nothing of the manager is left: an empty folder, no Orvane.ini,
    // Orvane.seen nor Orvane.log, no runner to start, no report.
    EXPECT_TRUE(w.Entries(Manager).empty());
    EXPECT_FALSE(w.world.files.Exists(ConfigWorld::Ini));
    EXPECT_FALSE(w.world.files.Exists(seen));
    EXPECT_FALSE(w.world.files.Exists(log));
    EXPECT_FALSE(w.RunValueSet());
    EXPECT_FALSE(w.world.files.Exists(Report));
}

TEST(RestoreMode, WhatCannotGoBackStaysWithItsLineAndIsReported) {
    ConfigWorld w;
    AddShortcut(w, Manager + "Clock.lnk", "C:\\CLOCK.EXE", "");
    w.world.files.AddFile(Manager + "Taken.lnk", "ours");
    w.world.files.AddFile(Manager + "Tool.exe", "MZ");
    w.AddStartup({"Taken"});
    w.WriteIni("\"Taken\", \"Startup\", \"file:Taken.lnk\", \"3\"\r\n\"Clock\", \"Startup\", \"1\"\r\n\"Tool\", \"Run\", \"4\"\r\n");
    SetRunner(w);

    // Not quiet: one message at the end, and no question.
    EXPECT_EQ(RestoreWithoutWindow(w.platform, false), RestoreItemsLeft);
    EXPECT_EQ(w.Shown(), (Shown{{"Not all items could be restored. These stay in C:\\ORVANE\\Startup\\:\n"
                                 "Taken.lnk\nTool.exe\n\nSee " + Report,
                                 win::MbIconExclamation}}));
    // The file of that name in the Startup folder is not replaced.
    EXPECT_EQ(w.world.files.Contents(Startup + "Taken.lnk"), "link Taken");
    EXPECT_EQ(w.Entries(Manager), (std::vector<std::string>{"Taken.lnk", "Tool.exe"}));
    EXPECT_EQ(w.Entries(Startup), (std::vector<std::string>{"Taken.lnk", "Clock.lnk"}));
    // Their lines stay, every field with them; the runner still starts them.
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"Taken\", \"Startup\", \"file:Taken.lnk\", \"3\"\r\n\"Tool\", \"Run\", \"4\"\r\n");
    EXPECT_TRUE(w.RunValueSet());
    EXPECT_EQ(w.world.files.Contents(Report),
              "Not all items could be restored. These stay in C:\\ORVANE\\Startup\\:\r\n"
              "Taken.lnk, for " + Startup + "\r\n"
              "    " + Startup + "Taken.lnk\r\n"
              "    This file already exists.\r\n"
              "    Replace existing file?\r\n"
              "Tool.exe, for HKEY_LOCAL_MACHINE\\" + ConfigWorld::RunKey + "\r\n"
              "    Tool\r\n"
              "    This file is not a shortcut.  It cannot be moved to the registry.\r\n");
}

TEST(RestoreMode, AManagerItCannotReadMovesNothing) {
    for (const Fault fault : {Fault::Find, Fault::Open}) {
        ConfigWorld w;
        w.AddManaged({"Clock"});
        w.WriteIni("\"Clock\", \"Startup\", \"1\"\r\n");
        SetRunner(w);
        w.world.faults.Add(fault, fault == Fault::Find ? "C:\\ORVANE\\Startup" : ConfigWorld::Ini, 1);
        w.world.files.AddFile("C:\\ORVANE\\Roc\\R9.lnk");  // no record names its folder
        EXPECT_EQ(RestoreWithoutWindow(w.platform, true), RestoreUnread);
        EXPECT_EQ(w.Entries(Manager), (std::vector<std::string>{"Clock.lnk"}));
        EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini), "\"Clock\", \"Startup\", \"1\"\r\n");
        EXPECT_TRUE(w.RunValueSet());
        // The Roc directory's word does not stand for the manager's.
        EXPECT_EQ(w.world.files.Contents(Report),
                  "Nothing was restored.\r\n"
                  "    Orvane's Roc directory contains files possibly left by a previously\r\n"
                  "    failed session.  You must manually return these files to where they belong.\r\n"
                  "    Files will not be reordered until this directory is emptied.\r\n" +
                      std::string(fault == Fault::Find ? "    The manager directory could not be read:\r\n"
                                                         "    C:\\ORVANE\\Startup\\\r\n"
                                                       : "    Error opening C:\\ORVANE\\Orvane.ini\r\n"
                                                         "    Manager information could not be read.\r\n"));
    }
}

// The restore only reads Orvane.ini: a read-only one still gives each item
// its origin, and a missing one sends each into the Startup folder and is
// not made.
TEST(RestoreMode, AReadOnlyOrvaneIniStillGivesTheOriginsAndAMissingOneIsNotMade) {
    ConfigWorld readOnly;
    AddShortcut(readOnly, Manager + "Tray.lnk", "C:\\TRAY.EXE", "-t");
    readOnly.AddManaged({"Clock"});
    const std::string lines = "\"Tray\", \"Run\", \"2\"\r\n\"Clock\", \"Startup\", \"1\"\r\n";
    readOnly.WriteIni(lines);
    readOnly.world.files.SetAttributes(ConfigWorld::Ini, win::FileAttributeReadOnly);
    EXPECT_EQ(RestoreWithoutWindow(readOnly.platform, true), RestoreItemsLeft);
    EXPECT_EQ(readOnly.world.registry.Value(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Tray").Text(), "C:\\TRAY.EXE -t");
    EXPECT_EQ(readOnly.Entries(Startup), (std::vector<std::string>{"Clock.lnk"}));
    // Only the file could not be rewritten, and says so.
    EXPECT_EQ(readOnly.world.files.Contents(ConfigWorld::Ini), lines);
    EXPECT_EQ(readOnly.world.files.Contents(Report).substr(0, 39), "Every item was restored, with errors.\r\n");

    ConfigWorld missing;
    AddShortcut(missing, Manager + "Tray.lnk", "C:\\TRAY.EXE", "-t");
    missing.AddManaged({"Taken"});
    missing.AddStartup({"Taken"});
    EXPECT_EQ(RestoreWithoutWindow(missing.platform, true), RestoreItemsLeft);
    EXPECT_EQ(missing.Entries(Startup), (std::vector<std::string>{"Taken.lnk", "Tray.lnk"}));
    EXPECT_EQ(missing.Entries(Manager), (std::vector<std::string>{"Taken.lnk"}));
    EXPECT_FALSE(missing.world.files.Exists(ConfigWorld::Ini));
}

TEST(RestoreMode, AnInterruptedSaveIsPutBackFirstAndEveryFailureIsReported) {
    // The files a killed save left in Roc are restored with the others.
    ConfigWorld killed;
    AddShortcut(killed, "C:\\ORVANE\\Roc\\R9.lnk", "C:\\R9.EXE", "");
    killed.world.files.AddFile("C:\\ORVANE\\Orvane.roc", "C:\\ORVANE\\Startup\\\r\n");
    killed.world.files.AddDirectory("C:\\ORVANE\\Startup");
    killed.WriteIni("\"R9\", \"Startup\", \"\"\r\n");
    EXPECT_EQ(RestoreWithoutWindow(killed.platform, true), RestoreDone);
    EXPECT_EQ(killed.Entries(Startup), (std::vector<std::string>{"R9.lnk"}));

    // One that cannot come back from Roc stays there, told.
    ConfigWorld stuck;
    AddShortcut(stuck, "C:\\ORVANE\\Roc\\R9.lnk", "C:\\R9.EXE", "");
    stuck.world.files.AddFile("C:\\ORVANE\\Orvane.roc", "C:\\ORVANE\\Startup\\\r\n");
    stuck.world.faults.Add(Fault::Copy, Manager + "R9.lnk");
    EXPECT_EQ(RestoreWithoutWindow(stuck.platform, true), RestoreItemsLeft);
    EXPECT_NE(stuck.world.files.Contents(Report).find("C:\\ORVANE\\Roc\\R9.lnk\r\n    This file could not be moved back"),
              std::string::npos);

    // Orvane.ini that cannot be rewritten keeps its old lines, told.
    ConfigWorld unsaved;
    unsaved.AddManaged({"Clock"});
    unsaved.WriteIni("\"Clock\", \"Startup\", \"1\"\r\n");
    SetRunner(unsaved);
    unsaved.world.faults.Add(Fault::Open, std::string(ConfigWorld::Ini) + ".new");
    EXPECT_EQ(RestoreWithoutWindow(unsaved.platform, false), RestoreItemsLeft);
    EXPECT_EQ(unsaved.Entries(Startup), (std::vector<std::string>{"Clock.lnk"}));
    EXPECT_EQ(unsaved.world.files.Contents(ConfigWorld::Ini), "\"Clock\", \"Startup\", \"1\"\r\n");
    EXPECT_EQ(unsaved.world.files.Contents(Report), "Every item was restored, with errors.\r\n"
                                                    "    Error opening C:\\ORVANE\\Orvane.ini\r\n"
                                                    "    Manager information could not be saved.\r\n");
    EXPECT_EQ(unsaved.Shown(), (Shown{{"Every item was restored, with errors.\n\nSee " + Report, win::MbIconExclamation}}));
}

TEST(RestoreMode, AnEmptyManagerSaysSoAndTheSwitchesAreReadInAnyCase) {
    // Exit code 0 is success to whatever runs the program.
    EXPECT_EQ((std::vector<int>{0, 1, 2}), (std::vector<int>{RestoreDone, RestoreItemsLeft, RestoreUnread}));
    ConfigWorld w;
    w.world.faults.Add(Fault::Open, ConfigWorld::Ini);  // with no item, Orvane.ini is not read
    EXPECT_EQ(RestoreWithoutWindow(w.platform, false), RestoreDone);
    EXPECT_EQ(w.Shown(), (Shown{{"There are no items in the manager directory.", win::MbOk}}));
    ConfigWorld one;
    one.AddManaged({"Clock"});
    EXPECT_EQ(RestoreWithoutWindow(one.platform, false), RestoreDone);
    EXPECT_EQ(one.Shown(), (Shown{{"All items were restored to their original locations.", win::MbOk}}));
}
