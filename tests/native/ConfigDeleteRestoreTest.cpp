// Deleting items from each list, and Restore to where they came from.
#include <gtest/gtest.h>

#include "tests/native/Conservation.h"

using namespace config;

namespace {

using Names = std::vector<std::string>;
using Shown = std::vector<ShownMessage>;
constexpr unsigned Question = win::MbYesNoCancel | win::MbIconQuestion;

}  // namespace

TEST(ConfigDelete, FilesGoAfterOneQuestionAndAReadOnlyOneStopsWithItsPath) {
    ConfigWorld w;
    w.AddManaged({"A", "B", "C"});
    w.world.files.SetAttributes("C:\\ORVANE\\Startup\\B.lnk", win::FileAttributeReadOnly);
    ASSERT_TRUE(w.host.Open());
    w.host.KeyDown(IdcManagerList, win::VkDelete);  // nothing selected: nothing asked
    EXPECT_TRUE(w.Shown().empty());

    for (int row = 0; row < 3; ++row) w.host.ClickRow(IdcManagerList, row, true);
    w.host.KeyDown(IdcManagerList, 'A');
    w.host.KeyDown(IdcManagerList, win::VkDelete);  // unanswered: nothing deleted
    w.world.messages.Answer(win::IdYes);
    w.host.KeyDown(IdcManagerList, win::VkDelete);
    EXPECT_EQ(w.Shown(), (Shown{{"Are you sure you want to delete these 3 files?", Question},
                                {"Are you sure you want to delete these 3 files?", Question},
                                {"C:\\ORVANE\\Startup\\B.lnk\nThis file could not be deleted.\n\n" + ConfigWorld::Advice,
                                 win::MbIconExclamation}}));
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"B", "C"}));
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"B.lnk", "C.lnk"}));

    // The popup's Delete works on the list it was opened on; one file, one question.
    w.AddStartup({"Run me"});
    w.host.Command(IdViewRefresh);
    w.host.ClickRow(IdcStartupList, 0);
    w.world.messages.shown.clear();
    w.world.messages.Answer(win::IdYes);
    w.host.ChoosePopup(IdPopupDelete);
    w.host.RightClick(IdcStartupList, 5, 5);
    EXPECT_EQ(w.Shown(), (Shown{{"Are you sure you want to delete this file?", Question}}));  // never the source question
    EXPECT_TRUE(w.Rows(IdcStartupList).empty());
}

TEST(ConfigDelete, AManagerItemFromTheRegistryAsksBeforeItsSourceIsLost) {
    ConfigWorld w;
    w.AddManaged({"Svc"});
    w.WriteIni("\"Svc\", \"Services\", \"\"\r\n");
    ASSERT_TRUE(w.host.Open());
    w.host.ClickRow(IdcManagerList, 0);
    w.world.messages.Answer(win::IdYes);
    w.world.messages.Answer(win::IdNo);
    w.host.KeyDown(IdcManagerList, win::VkDelete);
    ASSERT_EQ(w.Shown().size(), 2u);
    EXPECT_EQ(w.Shown()[1].text.substr(0, 47), "This item was originally from a registry list. ");
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"Svc.lnk"}));
    EXPECT_TRUE(w.CloseAsksToSave());  // the first Yes counts as a change
}

TEST(ConfigDelete, RegistryLinksNeedTwoYesesAndTheSystrayItsOwn) {
    const auto world = [](ConfigWorld& w) {
        MemoryRegistry& reg = w.world.registry;
        reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Old", "C:\\OLD.EXE");
        reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Tray", "c:\\windows\\SysTray.Exe");
        reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Last", "C:\\LAST.EXE");
        ASSERT_TRUE(w.host.Open());
        for (int row = 0; row < 3; ++row) w.host.ClickRow(IdcRunList, row, true);
    };
    ConfigWorld doubt;
    world(doubt);
    doubt.host.KeyDown(IdcRunServicesList, win::VkDelete);  // nothing selected there: nothing asked
    EXPECT_TRUE(doubt.Shown().empty());
    doubt.world.messages.Answer(win::IdYes);
    doubt.host.KeyDown(IdcRunList, win::VkDelete);
    EXPECT_EQ(doubt.Shown(), (Shown{{"Are you sure you want to delete these 3 registry links?",
                                     win::MbYesNoCancel | win::MbIconExclamation},
                                    {"Are you sure you know what you are doing?", Question}}));
    EXPECT_EQ(doubt.Rows(IdcRunList).size(), 3u);
    EXPECT_FALSE(doubt.CloseAsksToSave());

    ConfigWorld w;
    world(w);
    w.world.messages.questionAnswer = win::IdYes;  // from the second delete on
    w.world.messages.Answer(win::IdYes);
    w.world.messages.Answer(win::IdYes);
    w.world.messages.Answer(win::IdNo);  // the system tray stays, and so does every row after it
    w.host.KeyDown(IdcRunList, win::VkDelete);
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Tray", "Last"}));
    EXPECT_EQ(w.Shown().back().text.substr(0, 52), "The system tray belongs in the Registry's Run list.\n");

    w.world.faults.Add(Fault::RegistryDelete, "Last");
    w.host.ClickRow(IdcRunList, 1);
    w.host.KeyDown(IdcRunList, win::VkDelete);
    EXPECT_EQ(w.Shown().back(), (ShownMessage{"Last\nThis registry key could not be deleted.", win::MbIconExclamation}));
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Tray", "Last"}));
}

TEST(ConfigRestore, EachMarkedItemGoesBackAndThePassSumsUp) {
    ConfigWorld w;
    AddShortcut(w, "C:\\ORVANE\\Startup\\Clock.lnk", "C:\\CLOCK.EXE", "");
    AddShortcut(w, "C:\\ORVANE\\Startup\\Svc.lnk", "C:\\SVC.EXE", "-q");
    AddShortcut(w, "C:\\ORVANE\\Startup\\Mine.lnk", "C:\\MINE.EXE", "");
    w.world.files.AddFile("C:\\ORVANE\\Startup\\Tool.exe", "MZ");
    w.AddStartup({"Taken"});
    w.WriteIni("\"Clock\", \"Startup\", \"1\"\r\n\"Svc\", \"Services\", \"\"\r\n\"Tool\", \"Run\", \"\"\r\n"
               "\"Gone\", \"Startup\", \"\"\r\n\"Taken\", \"Startup\", \"\"\r\n");
    ASSERT_TRUE(w.host.Open());
    // An item whose file is already gone, and one whose name is taken in the Windows Startup folder.
    w.world.files.AddFile("C:\\ORVANE\\Startup\\Gone.lnk");
    w.world.files.AddFile("C:\\ORVANE\\Startup\\Taken.lnk", "new");
    w.host.Command(IdViewRefresh);
    w.world.files.Remove("C:\\ORVANE\\Startup\\Gone.lnk");

    w.world.messages.questionAnswer = win::IdYes;  // Taken replaces the file of that name
    w.host.Command(IdFileRestore);
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Tool", "Mine"}));
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"Clock", "Gone", "Taken"}));  // one row for the one Taken
    EXPECT_EQ(w.world.files.Contents(std::string(ConfigWorld::StartupFolder) + "Taken.lnk"), "new");
    EXPECT_EQ(w.Rows(IdcRunServicesList), (Names{"Svc"}));
    EXPECT_EQ(w.world.registry.Value(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey, "Svc").Text(), "C:\\SVC.EXE -q");
    ASSERT_EQ(w.Shown().size(), 4u);
    EXPECT_EQ(w.Shown()[0], (ShownMessage{"Are you sure you want to restore all items\nto their original locations?", Question}));
    EXPECT_EQ(w.Shown()[1].text, "Tool\n\nThis file is not a shortcut.  It cannot be moved to the registry.");
    EXPECT_EQ(w.Shown()[2].text, std::string(ConfigWorld::StartupFolder) +
                                     "Taken.lnk\nThis file already exists.\n\nReplace existing file?");
    EXPECT_EQ(w.Shown()[3], (ShownMessage{"Not all files were moved.\n\n" + ConfigWorld::Advice, win::MbIconExclamation}));
}

TEST(ConfigRestore, APassThatSendsEveryItemHomeSaysNoMore) {
    ConfigWorld w;
    AddShortcut(w, "C:\\ORVANE\\Startup\\Clock.lnk", "C:\\CLOCK.EXE", "");
    AddShortcut(w, "C:\\ORVANE\\Startup\\Svc.lnk", "C:\\SVC.EXE", "-q");
    w.WriteIni("\"Clock\", \"Startup\", \"\"\r\n\"Svc\", \"Services\", \"\"\r\n");
    ASSERT_TRUE(w.host.Open());
    w.world.messages.questionAnswer = win::IdYes;
    w.host.Command(IdFileRestore);
    EXPECT_TRUE(w.Rows(IdcManagerList).empty());
    EXPECT_EQ(w.Shown().size(), 1u) << "the question only";
}

TEST(ConfigRestore, NothingToRestoreIsSaid) {
    ConfigWorld empty;
    ASSERT_TRUE(empty.host.Open());
    empty.host.Command(IdFileRestore);
    EXPECT_EQ(empty.Shown(), (Shown{{"There are no items in the manager directory.\n"
                                     "Restore is used to return items in the manager to their\noriginal locations.",
                                     win::MbIconExclamation}}));
    EXPECT_FALSE(empty.CloseAsksToSave());

    ConfigWorld unmarked;
    unmarked.AddManaged({"A"});
    unmarked.WriteIni("\"A\", \"run\", \"\"\r\n");
    ASSERT_TRUE(unmarked.host.Open());
    unmarked.host.Command(IdFileRestore);  // unanswered: nothing more
    EXPECT_EQ(unmarked.Shown().size(), 1u);
    unmarked.world.messages.Answer(win::IdYes);
    unmarked.host.Command(IdFileRestore);
    EXPECT_EQ(unmarked.Shown().back(), (ShownMessage{"No files are marked with original locations.", win::MbIconExclamation}));
    EXPECT_TRUE(unmarked.CloseAsksToSave());
}
