// What the configuration program must never lose on the less usual paths:
// two items of one title, a folder or file that cannot be read, a timer tick
// under a question, a save stopped half-way.
#include <gtest/gtest.h>

#include "tests/native/ConfigWorld.h"

using namespace config;

namespace {

using Names = std::vector<std::string>;
const char* const Record = "C:\\ORVANE\\Orvane.roc";

void SetOldRunValue(ConfigWorld& w) {
    w.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Orvane", "C:\\OLD\\Orvane.exe");
}

}  // namespace

TEST(ConfigSafety, TwoItemsOfOneTitleKeepTheirOwnSourceAndWait) {
    ConfigWorld w;
    w.world.files.AddFile("C:\\ORVANE\\Startup\\Mail.bat");
    w.WriteIni("\"Mail\", \"\", \"5\"\r\n");
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Mail", "C:\\MAIL.EXE");
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
    w.host.ClickRow(IdcRunList, 0);
    w.host.Click(IdcRegistryAdd);  // Mail.lnk, at the top
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Mail.lnk", "Mail.bat"}));
    w.host.Click(IdcCloseAdvanced);
    // Each line names its file, since the title no longer tells them apart.
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"Mail\", \"Run\", \"file:Mail.lnk\", \"\"\r\n\"Mail\", \"\", \"file:Mail.bat\", \"5\"\r\n");

    // The next start gives each its own line, whatever the directory's order.
    CConfigDlg again{w.platform, w.profile};
    HeadlessDialogHost host{again};
    ASSERT_TRUE(host.Open());
    auto& manager = dynamic_cast<HeadlessListView&>(host.ListView(IdcManagerList));
    EXPECT_EQ(manager.Names(), (Names{"Mail.lnk", "Mail.bat"}));
    EXPECT_EQ(manager.ItemText(0, 1) + "|" + manager.ItemText(1, 1) + "|" + manager.ItemText(1, 2), "Run||5");
    // Once the title is alone again, its line has its three fields only.
    host.ClickRow(IdcManagerList, 0);
    host.Click(IdcAdvanced);
    host.Click(IdcRegistryRemove);
    host.Click(IdcCloseAdvanced);
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini), "\"Mail\", \"\", \"5\"\r\n");
}

TEST(ConfigSafety, WhatCouldNotBeReadIsNeverOverwrittenFromAnEmptyList) {
    const std::string ini = "\"A\", \"Run\", \"4\"\r\n";
    ConfigWorld folder;
    folder.AddManaged({"A"});
    folder.WriteIni(ini);
    SetOldRunValue(folder);
    folder.world.faults.Add(Fault::Find, "C:\\ORVANE\\Startup\\*.*");
    ASSERT_TRUE(folder.host.Open());
    ASSERT_EQ(folder.Shown().size(), 1u);
    EXPECT_EQ(folder.Shown()[0].text, "The manager directory could not be read:\nC:\\ORVANE\\Startup\\\n\nIts items are "
                                      "not listed, and closing will leave Orvane.ini and the runner's start-up entry "
                                      "as they are.");
    folder.host.Click(IdcClose);
    EXPECT_EQ(folder.world.files.Contents(ConfigWorld::Ini), ini);
    EXPECT_EQ(folder.RunValue(), "C:\\OLD\\Orvane.exe");

    ConfigWorld file;
    file.AddManaged({"A", "B"});
    file.WriteIni(ini);
    file.world.faults.Add(Fault::Open, ConfigWorld::Ini, 1);
    ASSERT_TRUE(file.host.Open());
    file.host.Click(IdcClose);
    ASSERT_EQ(file.Shown().size(), 2u);
    EXPECT_EQ(file.Shown()[1].text, "C:\\ORVANE\\Orvane.ini\nManager information could not be read, so it was not "
                                    "saved.  The file is left as it was.");
    EXPECT_EQ(file.world.files.Contents(ConfigWorld::Ini), ini);
    EXPECT_EQ(file.RunValue(), "C:\\ORVANE\\Orvane.exe");  // the runner still starts what is there
}

TEST(ConfigSafety, ThePollingTimerWaitsForTheQuestionAndKeepsAnUnsavedOrder) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    w.WriteIni("\"A\", \"\", \"1\"\r\n\"B\", \"\", \"2\"\r\n");
    ASSERT_TRUE(w.host.Open());
    w.host.Command(IdFileNew);
    w.host.ClickRow(IdcManagerList, 1);
    w.host.Click(IdcManagerUp);
    w.AddManaged({"New"});
    w.host.Tick();  // the order B, A is not saved yet, and stays
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"B", "A", "New"}));
    w.world.messages.Answer(win::IdYes, [&] { w.host.Tick(); });
    w.host.Close();
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"B\", \"\", \"2\"\r\n\"A\", \"\", \"1\"\r\n\"New\", \"\", \"\"\r\n");

    // Without a changed order, a tick under a box still waits.
    ConfigWorld boxed;
    boxed.AddManaged({"A"});
    ASSERT_TRUE(boxed.host.Open());
    boxed.host.Command(IdFileNew);
    boxed.AddManaged({"New"});
    boxed.world.messages.Answer(win::IdNo, [&] { boxed.host.Tick(); });
    boxed.host.Command(IdFileRestore);
    EXPECT_EQ(boxed.Rows(IdcManagerList), (Names{"A"}));
    boxed.host.Tick();
    EXPECT_EQ(boxed.Rows(IdcManagerList), (Names{"A", "New"}));
}

TEST(ConfigSafety, BothPathsArePublishedWhenOneCannotBeAndTheArrowsFollowARefresh) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    w.world.faults.Add(Fault::RegistrySet, settings::kConfigPath);
    ASSERT_TRUE(w.host.Open());
    EXPECT_TRUE(w.world.registry.HasValue(RegistryRoot::CurrentUser, settings::kKey, settings::kIniPath));
    w.host.ClickRow(IdcManagerList, 1);
    EXPECT_TRUE(w.host.Button(IdcManagerUp).IsEnabled());
    w.host.KeyDown(IdcManagerList, win::VkF5);
    EXPECT_EQ(w.List(IdcManagerList).SelectedCount(), 0);
    EXPECT_FALSE(w.host.Button(IdcManagerUp).IsEnabled());
}

TEST(ConfigSafety, TheReorderBringsBackEveryFileItPlacedEvenWhenTheRocCannotBeSearched) {
    ConfigWorld w;
    w.AddManaged({"A", "B", "C"});
    ASSERT_TRUE(w.host.Open());
    w.host.ClickRow(IdcManagerList, 2);
    w.host.Click(IdcManagerUp);
    w.world.faults.Add(Fault::Find, "C:\\ORVANE\\Roc\\*.*");  // the way back must not depend on a search
    w.world.faults.Add(Fault::Find, "C:\\ORVANE\\Startup\\*.*", 1);  // nor the way out
    w.host.Click(IdcClose);
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"A.lnk", "C.lnk", "B.lnk"}));
    EXPECT_TRUE(w.Entries(ConfigWorld::Roc).empty());
    EXPECT_FALSE(w.world.files.Exists(Record));

    // Without a whole record no file leaves its folder; the next list, which
    // left nothing in the Roc directory, still goes.
    for (const Fault fault : {Fault::Open, Fault::Write}) {
        ConfigWorld unrecorded;
        unrecorded.AddManaged({"A", "B"});
        unrecorded.AddStartup({"S", "T"});
        ASSERT_TRUE(unrecorded.host.Open());
        unrecorded.host.ClickRow(IdcManagerList, 1);
        unrecorded.host.Click(IdcManagerUp);
        unrecorded.host.ClickRow(IdcStartupList, 1);
        unrecorded.host.Click(IdcStartupUp);
        unrecorded.world.faults.Add(fault, Record, 1);
        unrecorded.host.Click(IdcCloseAdvanced);
        EXPECT_EQ(unrecorded.Shown(), (std::vector<ShownMessage>{{"File reordering failed.  Refer to Help for solutions.",
                                                                 win::MbOk | win::MbIconExclamation}}));
        EXPECT_EQ(unrecorded.Entries(ConfigWorld::Manager), (Names{"A.lnk", "B.lnk"}));
        EXPECT_EQ(unrecorded.Entries(ConfigWorld::StartupFolder), (Names{"T.lnk", "S.lnk"}));
    }
}

TEST(ConfigSafety, TheNextStartPutsBackWhatAnInterruptedSaveLeftInTheRoc) {
    ConfigWorld w;
    w.AddManaged({"A"});
    w.world.files.AddFile("C:\\ORVANE\\Roc\\A.lnk", "");  // cut short on its way out
    w.world.files.AddFile("C:\\ORVANE\\Roc\\B.lnk", "link B");
    w.world.files.AddFile("C:\\ORVANE\\Roc\\C.lnk", "link C");
    w.world.files.AddFile(Record, "C:\\ORVANE\\Startup\\\r\n");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"A save that was interrupted had left 3 files in Orvane's Roc "
                                                     "directory.\nThey were put back into C:\\ORVANE\\Startup\\",
                                                     win::MbIconExclamation}}));
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"A", "B", "C"}));
    EXPECT_TRUE(w.Entries(ConfigWorld::Roc).empty());
    EXPECT_FALSE(w.world.files.Exists(Record));

    EXPECT_EQ(w.world.files.Contents("C:\\ORVANE\\Startup\\A.lnk"), "link A");

    // A record with nothing in the Roc directory was written before any file left.
    ConfigWorld early;
    early.world.files.AddDirectory("C:\\ORVANE\\Roc");
    early.world.files.AddFile(Record, "C:\\ORVANE\\Startup\\\r\n");
    ASSERT_TRUE(early.host.Open());
    EXPECT_TRUE(early.Shown().empty());
    EXPECT_FALSE(early.world.files.Exists(Record));

    // Stopped while copying a file back: the Roc file is the whole one.
    ConfigWorld back;
    back.world.files.AddFile("C:\\ORVANE\\Startup\\B.lnk", "");  // cut short
    back.world.files.AddFile("C:\\ORVANE\\Roc\\B.lnk", "link B");
    back.world.files.AddFile(Record, "C:\\ORVANE\\Startup\\\r\nback\r\n");
    ASSERT_TRUE(back.host.Open());
    EXPECT_EQ(back.world.files.Contents("C:\\ORVANE\\Startup\\B.lnk"), "link B");
    EXPECT_TRUE(back.Entries(ConfigWorld::Roc).empty());

    // Without a record naming a folder nothing is touched, but the user hears of it.
    for (const char* record : {"", "C:\\ORVANE\\Startup\r\n"}) {
        ConfigWorld unknown;
        unknown.world.files.AddFile("C:\\ORVANE\\Roc\\D.lnk", "link D");
        if (*record) unknown.world.files.AddFile(Record, record);
        ASSERT_TRUE(unknown.host.Open());
        ASSERT_EQ(unknown.Shown().size(), 1u) << record;
        EXPECT_EQ(unknown.Shown()[0].text.substr(0, 48), "Orvane's Roc directory contains files possibly l");
        EXPECT_EQ(unknown.Entries(ConfigWorld::Roc), (Names{"D.lnk"})) << record;
    }

    // A file that cannot go back is named, and the record stays for the next start.
    ConfigWorld stuck;
    stuck.world.files.AddFile("C:\\ORVANE\\Roc\\D.lnk", "link D");
    stuck.world.files.AddFile(Record, "C:\\ORVANE\\Startup\\\r\n");
    stuck.world.faults.Add(Fault::Copy, "C:\\ORVANE\\Startup\\D.lnk");
    ASSERT_TRUE(stuck.host.Open());
    ASSERT_EQ(stuck.Shown().size(), 1u);
    EXPECT_EQ(stuck.Shown()[0].text, "C:\\ORVANE\\Roc\\D.lnk\nThis file could not be moved back to C:\\ORVANE\\Startup\\\n"
                                     "and was left in Orvane's Roc directory.  You must manually return it to where it "
                                     "belongs.\n\n" + ConfigWorld::Advice);
    EXPECT_TRUE(stuck.world.files.Exists(Record));
    EXPECT_EQ(stuck.Entries(ConfigWorld::Roc), (Names{"D.lnk"}));
}
