// Up and Down, and the rewrite of a directory's entry order on saving.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "runner/RunnerDlg.h"
#include "tests/native/ConfigWorld.h"

using namespace config;

namespace {

using Names = std::vector<std::string>;

const std::string Leftover =
    "Orvane's Roc directory contains files possibly left by a previously\n"
    "failed session.  You must manually return these files to where they belong.\n"
    "Files will not be reordered until this directory is emptied.";
const std::string NameOrder =
    "The order of the items could not be stored on this drive: its file system keeps "
    "the files of a folder sorted by name.  The items will start in name order.";
constexpr unsigned Warning = win::MbOk | win::MbIconExclamation;

std::string LeftInRoc(const std::string& name, const std::string& directory) {
    return "C:\\ORVANE\\Roc\\" + name + "\nThis file could not be moved back to " + directory + "\n" +
           "and was left in Orvane's Roc directory.  You must manually return it to where it belongs.\n\n" + ConfigWorld::Advice;
}

// Selects the row and presses the button.
void Move(ConfigWorld& w, int list, int row, int button) {
    w.host.ClickRow(list, row);
    w.host.Click(button);
}

}  // namespace

TEST(ConfigReorder, UpAndDownMoveOneRowWithItsTextsAndKeepItSelectedAndFocused) {
    ConfigWorld w;
    w.AddManaged({"A", "B", "C"});
    w.WriteIni("\"A\", \"\", \"\"\r\n\"B\", \"\", \"\"\r\n\"C\", \"Run\", \"7\"\r\n");
    ASSERT_TRUE(w.host.Open());
    HeadlessListView& list = w.List(IdcManagerList);

    Move(w, IdcManagerList, 2, IdcManagerUp);
    EXPECT_EQ(list.Names(), (Names{"A", "C", "B"}));
    EXPECT_EQ(list.ItemText(1, 1), "Run");
    EXPECT_EQ(list.ItemText(1, 2), "7");
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_TRUE(list.IsSelected(1));
    EXPECT_TRUE(w.host.Button(IdcManagerUp).IsEnabled());
    EXPECT_TRUE(list.Focused());  // not the arrow clicked
    w.host.Click(IdcManagerUp);
    EXPECT_EQ(list.Names(), (Names{"C", "A", "B"}));
    EXPECT_FALSE(w.host.Button(IdcManagerUp).IsEnabled());  // now at the top
    EXPECT_TRUE(list.Focused());  // not lost with the arrow's
    w.host.Click(IdcManagerDown);
    EXPECT_EQ(list.Names(), (Names{"A", "C", "B"}));  // one place a click
    w.host.Click(IdcManagerDown);
    EXPECT_EQ(list.Names(), (Names{"A", "B", "C"}));
    EXPECT_TRUE(list.IsSelected(2));
    EXPECT_EQ(list.FocusedRow(), 2);  // the keyboard goes on from the moved row
    EXPECT_EQ(list.VisibleRow(), 2);  // and sees it
    EXPECT_FALSE(w.host.Button(IdcManagerDown).IsEnabled());
    EXPECT_TRUE(list.Focused());
    w.host.Command(IdcManagerDown);  // past the last row, as a click the arrow no longer takes
    EXPECT_EQ(list.Names(), (Names{"A", "B", "C"}));
    EXPECT_TRUE(list.IsSelected(2));

    // The Windows Startup list's arrows alike.
    w.AddStartup({"X", "Y"});
    w.host.Command(IdViewRefresh);
    Move(w, IdcStartupList, 1, IdcStartupUp);
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"Y", "X"}));
    EXPECT_TRUE(w.List(IdcStartupList).Focused());

    // Several rows selected: nothing moves.
    w.host.ClickRow(IdcManagerList, 0, true);
    w.host.Command(IdcManagerUp);
    EXPECT_EQ(list.Names(), (Names{"A", "B", "C"}));
}

TEST(ConfigReorder, ASavedReorderChangesTheEnumerationOrderAndTheRunnerPairsEachWait) {
    ConfigWorld w;
    w.AddManaged({"A", "B", "C"});
    w.WriteIni("\"A\", \"Startup\", \"1\"\r\n\"B\", \"Startup\", \"2\"\r\n\"C\", \"Run\", \"3\"\r\n");
    ASSERT_TRUE(w.host.Open());
    Move(w, IdcManagerList, 2, IdcManagerUp);
    w.host.Click(IdcManagerUp);
    w.host.Click(IdcClose);

    EXPECT_EQ(w.host.Result(), win::IdOk);
    EXPECT_TRUE(w.Shown().empty());
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"C.lnk", "A.lnk", "B.lnk"}));
    EXPECT_EQ(w.world.files.Contents("C:\\ORVANE\\Startup\\C.lnk"), "link C");
    EXPECT_TRUE(w.Entries(ConfigWorld::Roc).empty());
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"C\", \"Run\", \"3\"\r\n\"A\", \"Startup\", \"1\"\r\n\"B\", \"Startup\", \"2\"\r\n");

    // The runner, started from what was left, launches C first after its own wait.
    CRunnerDlg runner(w.platform);
    HeadlessDialogHost runnerHost(runner);
    ASSERT_TRUE(runnerHost.Open());
    std::vector<std::pair<std::string, int>> launches;
    for (int second = 0; second < 12 && launches.size() < 3; ++second) {
        for (int tick = 0; tick < 3; ++tick) {
            runnerHost.Tick();
            while (launches.size() < w.world.shell.launches.size())
                launches.push_back({w.world.shell.launches[launches.size()].file, second});
        }
        w.world.clock.Advance(1000);
    }
    EXPECT_EQ(launches, (std::vector<std::pair<std::string, int>>{
                            {"C:\\ORVANE\\Startup\\C.lnk", 3}, {"C:\\ORVANE\\Startup\\A.lnk", 4}, {"C:\\ORVANE\\Startup\\B.lnk", 6}}));
}

TEST(ConfigReorder, TheWindowsStartupFolderIsRewrittenOnEveryClickOfItsArrows) {
    ConfigWorld w;
    w.AddManaged({"M"});
    w.AddStartup({"S", "T", "U"});
    ASSERT_TRUE(w.host.Open());
    Move(w, IdcStartupList, 2, IdcStartupUp);
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"S", "U", "T"}));
    w.host.Click(IdcCloseAdvanced);
    EXPECT_EQ(w.Entries(ConfigWorld::StartupFolder), (Names{"S.lnk", "U.lnk", "T.lnk"}));
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"M.lnk"}));

    // A click that moves nothing still marks the folder for the rewrite...
    ConfigWorld idle;
    idle.AddStartup({"S", "T"});
    ASSERT_TRUE(idle.host.Open());
    idle.host.ClickRow(IdcStartupList, 0);
    idle.host.Command(IdcStartupUp);
    idle.host.Click(IdcClose);
    EXPECT_TRUE(idle.world.files.Exists("C:\\ORVANE\\Roc"));
    EXPECT_EQ(idle.Entries(ConfigWorld::StartupFolder), (Names{"S.lnk", "T.lnk"}));

    // ...but a manager click that moves nothing does not.
    ConfigWorld still;
    still.AddManaged({"A", "B"});
    ASSERT_TRUE(still.host.Open());
    still.host.ClickRow(IdcManagerList, 0);
    still.host.Command(IdcManagerUp);
    still.host.Click(IdcClose);
    EXPECT_FALSE(still.world.files.Exists("C:\\ORVANE\\Roc"));
}

TEST(ConfigReorder, ARocDirectoryThatCannotBeMadeStopsTheRewriteButNotTheSave) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    w.world.faults.Add(Fault::MakeDirectory, "C:\\ORVANE\\Roc");
    ASSERT_TRUE(w.host.Open());
    Move(w, IdcManagerList, 1, IdcManagerUp);
    w.host.Click(IdcClose);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"File reordering failed.  Refer to Help for solutions.", Warning}}));
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"A.lnk", "B.lnk"}));
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini), "\"B\", \"\", \"\"\r\n\"A\", \"\", \"\"\r\n");
    EXPECT_EQ(w.host.Result(), win::IdOk);
}

TEST(ConfigReorder, ARocDirectoryHoldingAnythingStopsTheRewrite) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    w.world.files.AddDirectory("C:\\ORVANE\\Roc\\Empty");
    ASSERT_TRUE(w.host.Open());
    Move(w, IdcManagerList, 1, IdcManagerUp);
    w.host.Click(IdcClose);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{Leftover, Warning}}));
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"A.lnk", "B.lnk"}));
}

TEST(ConfigReorder, AFileGoneFromOutsideStopsItsListAndTheOtherListStillGoes) {
    ConfigWorld w;
    w.AddManaged({"A", "B", "C"});
    w.AddStartup({"S", "T"});
    ASSERT_TRUE(w.host.Open());
    Move(w, IdcManagerList, 2, IdcManagerUp);  // A, C, B
    Move(w, IdcStartupList, 1, IdcStartupUp);  // T, S
    w.world.files.Remove("C:\\ORVANE\\Startup\\B.lnk");
    w.host.Click(IdcClose);

    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{
                             {"C:\\ORVANE\\Startup\\B.lnk\n\nThis file was found to have been moved from outside this program.\n"
                              "Files in the same list will not be reordered. Please try again.",
                              Warning}}));
    // The files moved before it came back, after the ones never moved.
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"A.lnk", "C.lnk"}));
    EXPECT_EQ(w.Entries(ConfigWorld::StartupFolder), (Names{"T.lnk", "S.lnk"}));
    EXPECT_TRUE(w.Entries(ConfigWorld::Roc).empty());
}

TEST(ConfigReorder, AHiddenOrReadOnlyFileCannotBeReordered) {
    for (uint32_t attribute : {win::FileAttributeHidden, win::FileAttributeReadOnly, win::FileAttributeSystem}) {
        ConfigWorld w;
        w.AddManaged({"A", "B"});
        w.world.files.SetAttributes("C:\\ORVANE\\Startup\\B.lnk", attribute);
        ASSERT_TRUE(w.host.Open());
        Move(w, IdcManagerList, 1, IdcManagerUp);
        w.host.Click(IdcClose);
        EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"C:\\ORVANE\\Startup\\B.lnk\n\nThis file is read-only or is not a normal file.\n"
                                                         "Files in the same list cannot be reordered.",
                                                         Warning}}))
            << attribute;
        EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"A.lnk", "B.lnk"}));
    }
}

TEST(ConfigReorder, AFileThatCannotGoOutStopsItsListWhereItStands) {
    const std::string c = std::string(ConfigWorld::StartupFolder) + "C.lnk";
    struct Case {
        std::function<void(ConfigWorld&)> arrange;
        ShownMessage told;
    } const cases[] = {
        {[&](ConfigWorld& w) { w.world.faults.Add(Fault::Remove, c); },
         {c + "\nAccess to this file is denied.\nFiles in the same list cannot be reordered.\n\n" + ConfigWorld::Advice,
          win::MbOk}},
        {[&](ConfigWorld& w) { w.world.files.SetAttributes(c, win::FileAttributeReadOnly); },
         {c + "\n\nThis file is read-only or is not a normal file.\nFiles in the same list cannot be reordered.", Warning}},
        {[&](ConfigWorld& w) { w.world.files.Remove(c); },
         {c + "\n\nThis file was found to have been moved from outside this program.\n"
              "Files in the same list will not be reordered. Please try again.",
          Warning}},
    };
    for (const Case& stop : cases) {
        for (bool sortedByName : {false, true}) {
            ConfigWorld w;
            w.AddStartup({"A", "B", "C", "D"});
            w.world.files.SetSortedByName(sortedByName);
            ASSERT_TRUE(w.host.Open());
            Move(w, IdcStartupList, 1, IdcStartupUp);  // B, A, C, D
            stop.arrange(w);
            w.host.Click(IdcClose);
            // Nor is the order left half-done told as the file system's own.
            EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{stop.told}));
            // B and A went out and came back; C never left, nor did D after it.
            Names entries = sortedByName ? Names{"A.lnk", "B.lnk", "C.lnk", "D.lnk"} : Names{"C.lnk", "D.lnk", "B.lnk", "A.lnk"};
            if (!w.world.files.Exists(c)) entries.erase(std::find(entries.begin(), entries.end(), "C.lnk"));
            EXPECT_EQ(w.Entries(ConfigWorld::StartupFolder), entries) << stop.told.text;
            EXPECT_TRUE(w.Entries(ConfigWorld::Roc).empty());
        }
    }
}

TEST(ConfigReorder, AFileThatCannotComeBackIsReportedAndTheOtherListWaits) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    w.AddStartup({"S", "T"});
    w.world.faults.Add(Fault::Copy, "C:\\ORVANE\\Startup\\A.lnk");  // the way back only
    ASSERT_TRUE(w.host.Open());
    Move(w, IdcManagerList, 1, IdcManagerUp);
    Move(w, IdcStartupList, 1, IdcStartupUp);
    w.host.Click(IdcClose);

    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{LeftInRoc("A.lnk", "C:\\ORVANE\\Startup\\"), Warning},
                                                    {Leftover, Warning}}));
    EXPECT_EQ(w.Entries(ConfigWorld::Roc), (Names{"A.lnk"}));
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"B.lnk"}));
    // The record tells the next start that the Roc file is the whole one.
    EXPECT_EQ(w.world.files.Contents("C:\\ORVANE\\Orvane.roc"), "C:\\ORVANE\\Startup\\\r\nback\r\n");
    // The Windows Startup folder was left alone rather than mixed with it.
    EXPECT_EQ(w.Entries(ConfigWorld::StartupFolder), (Names{"S.lnk", "T.lnk"}));
}

TEST(ConfigReorder, AFileSystemSortedByNameIsToldOncePerSave) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    w.AddStartup({"S", "T"});
    w.world.files.SetSortedByName(true);
    ASSERT_TRUE(w.host.Open());
    Move(w, IdcManagerList, 1, IdcManagerUp);
    Move(w, IdcStartupList, 1, IdcStartupUp);
    w.host.Click(IdcClose);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{NameOrder, Warning}}));
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"A.lnk", "B.lnk"}));
    EXPECT_TRUE(w.Entries(ConfigWorld::Roc).empty());

    // An order that is name order already needs no word; a folder among the files is no item.
    ConfigWorld sorted;
    sorted.AddStartup({"A", "B"});
    sorted.world.files.AddDirectory(std::string(ConfigWorld::StartupFolder) + "Z");
    sorted.world.files.SetSortedByName(true);
    ASSERT_TRUE(sorted.host.Open());
    Move(sorted, IdcStartupList, 1, IdcStartupUp);
    sorted.host.Click(IdcStartupDown);
    sorted.host.Click(IdcClose);
    EXPECT_TRUE(sorted.Shown().empty());
}

// By keyboard alone: an arrow on a list with nothing selected selects an end
// row, Enter there never presses Close, and Alt with an arrow moves the row
// as the buttons do, the saved order following.
TEST(ConfigReorder, TheKeyboardSelectsOpensAndMovesWithoutClosingByChance) {
    for (const auto& [key, row] : std::vector<std::pair<int, int>>{
             {win::VkDown, 0}, {win::VkHome, 0}, {win::VkUp, 2}, {win::VkEnd, 2}}) {
        ConfigWorld w;
        w.AddManaged({"A", "B", "C"});
        ASSERT_TRUE(w.host.Open());
        w.host.KeyDown(IdcStartupList, win::VkReturn);  // an empty list
        w.host.KeyDown(IdcManagerList, win::VkReturn);  // nothing selected
        EXPECT_FALSE(w.host.HasEnded());
        w.host.KeyDown(IdcManagerList, key);
        EXPECT_EQ(w.List(IdcManagerList).NextSelected(-1), row) << key;
        EXPECT_EQ(w.List(IdcManagerList).FocusedRow(), row) << key;
        w.host.ScriptChild([](HeadlessDialogHost& d) { d.Click(win::IdCancel); });
        w.host.KeyDown(IdcManagerList, win::VkReturn);
        EXPECT_EQ(w.host.ChildCount(), 1) << key;
        EXPECT_FALSE(w.host.HasEnded());
        w.host.KeyDown(IdcManagerList, row == 0 ? win::VkDown : win::VkUp, true);
        EXPECT_EQ(w.Rows(IdcManagerList), row == 0 ? (Names{"B", "A", "C"}) : (Names{"A", "C", "B"})) << key;
        EXPECT_EQ(w.List(IdcManagerList).NextSelected(-1), 1) << key;
    }
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    ASSERT_TRUE(w.host.Open());
    w.host.KeyDown(IdcManagerList, win::VkDown);
    w.host.KeyDown(IdcManagerList, win::VkDown, true);
    w.host.Click(IdcClose);
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini), "\"B\", \"\", \"\"\r\n\"A\", \"\", \"\"\r\n");
}
