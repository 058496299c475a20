// The four lists: what fills them, how they refresh, and what their
// selection enables.
#include <gtest/gtest.h>

#include "config/dialogs/MgrPropIds.h"
#include "tests/native/ConfigWorld.h"

using namespace config;

namespace {
using Names = std::vector<std::string>;
}

TEST(ConfigLists, FolderListsShowFilesInTheOrderOfTheirLinesWithTheManagerInformation) {
    ConfigWorld w;
    w.AddManaged({"Zip", "Mail"});
    w.world.files.AddFile("C:\\ORVANE\\Startup\\notes.txt", "", win::FileAttributeHidden);
    w.world.files.AddDirectory("C:\\ORVANE\\Startup\\Sub");
    w.world.files.AddFile("C:\\ORVANE\\Startup\\Mail.pif");  // same title: only the upper row gets values
    w.AddStartup({"Clock"});
    w.WriteIni("\"Mail\", \"Startup\", \"10\"\r\n\"Gone\", \"Run\", \"3\"\r\n\"Zip\", \"Run\", \"\"\r\n");
    ASSERT_TRUE(w.host.Open());

    HeadlessListView& manager = w.List(IdcManagerList);
    // Items with a line in the order of their lines, the others in directory order.
    // Rows of one title are told apart by their file names.
    EXPECT_EQ(manager.Names(), (Names{"Mail.lnk", "Zip", "notes", "Mail.pif"}));
    EXPECT_EQ(manager.ItemText(0, 1), "Startup");
    EXPECT_EQ(manager.ItemText(0, 2), "10");
    EXPECT_EQ(manager.ItemText(1, 1), "Run");
    EXPECT_EQ(manager.ItemText(1, 2), "");
    EXPECT_EQ(manager.ItemText(3, 1), "");  // the second Mail has no line of its own
    EXPECT_EQ(w.dialog.GetItemPath(IdcManagerList, 0), "C:\\ORVANE\\Startup\\Mail.lnk");
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"Clock"}));
}

TEST(ConfigLists, RegistryListsShowStringValuesButNeverTheRunnersOwn) {
    ConfigWorld w;
    MemoryRegistry& reg = w.world.registry;
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Tray", "C:\\WINDOWS\\TRAY.EXE");
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Orvane", "C:\\ORVANE\\Orvane.exe");
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "my orVANE helper", "X.EXE");
    reg.SetValue(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Expand", win::RegExpandSz, std::string("%X%\0", 4));
    const std::string longName(1500, 'N');
    const std::string longData = "C:\\APP.EXE " + std::string(2000, 'd');
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, longName, longData);
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey, "Orvane", "S.EXE");
    ASSERT_TRUE(w.host.Open());

    // A value longer than 1024 bytes is listed whole.
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Tray", longName}));
    EXPECT_EQ(w.Rows(IdcRunServicesList), (Names{"Orvane"}));  // only the Run list leaves it out
    EXPECT_TRUE(w.Shown().empty());

    // Keys that did not exist are created.
    ConfigWorld empty;
    ASSERT_TRUE(empty.host.Open());
    EXPECT_TRUE(empty.world.registry.KeyExists(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey));
}

TEST(ConfigLists, ARegistryKeyThatCannotBeOpenedIsReportedAndStartUpGoesOn) {
    ConfigWorld w;
    for (const char* key : {ConfigWorld::RunKey, ConfigWorld::RunServicesKey}) {
        w.world.registry.CreateKey(RegistryRoot::LocalMachine, key);
        w.world.faults.Add(Fault::RegistryOpen, key);
        w.world.faults.Add(Fault::RegistryCreate, key);
    }
    w.AddManaged({"A"});
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"Error reading \"Registry Run\" Values.", win::MbOk},
                                                    {"Error reading \"Registry RunServices\" Values.", win::MbOk}}));
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"A"}));
    EXPECT_FALSE(w.host.HasEnded());

    // A value that cannot be read ends the list where it stands, told once.
    ConfigWorld midway;
    for (const char* name : {"First", "Broken", "Last"})
        midway.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, name, "X.EXE");
    midway.world.faults.Add(Fault::RegistryEnumerate, "Broken");
    ASSERT_TRUE(midway.host.Open());
    EXPECT_EQ(midway.Rows(IdcRunList), (Names{"First"}));
    EXPECT_EQ(midway.Shown(), (std::vector<ShownMessage>{{"Error reading \"Registry Run\" Values.", win::MbOk}}));
}

TEST(ConfigLists, AnUnreadableManagerInformationFileLeavesSourceAndWaitEmpty) {
    ConfigWorld w;
    w.AddManaged({"A"});
    w.WriteIni("\"A\", \"Run\", \"4\"\r\n");
    w.world.faults.Add(Fault::Open, ConfigWorld::Ini);
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{
                             {"Error opening C:\\ORVANE\\Orvane.ini\nManager information could not be read.",
                              win::MbIconExclamation}}));
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2), "");
}

TEST(ConfigLists, EveryRefreshRebuildsFromDiskAndKeepsWhatIsNotSaved) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    w.AddStartup({"Z"});
    ASSERT_TRUE(w.host.Open());

    w.host.ClickRow(IdcManagerList, 1);
    w.host.Click(IdcManagerUp);  // unsaved order B, A
    w.host.ClickRow(IdcStartupList, 0);
    w.host.Click(IdcAdd);  // an unsaved Source
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        d.Edit(mgrprop::IdcWait).SetText("7");
        d.Click(win::IdOk);
    });
    w.host.DoubleClickRow(IdcManagerList, 0);  // an unsaved wait
    ASSERT_EQ(w.Rows(IdcManagerList), (Names{"B", "A", "Z"}));

    w.AddManaged({"C"});
    w.AddStartup({"S"});
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "R", "R.EXE");
    w.host.KeyDown(IdcStartupList, win::VkF5);  // whichever control has the focus
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"B", "A", "Z", "C"}));  // the order kept, the new file at the end
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2) + "|" + w.List(IdcManagerList).ItemText(2, 1), "7|Startup");
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"S"}));
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"R"}));

    w.AddManaged({"D"});
    w.host.Command(IdViewRefresh);
    EXPECT_EQ(w.Rows(IdcManagerList).size(), 5u);

    // The popup's Refresh refills only the list it was opened on.
    w.AddManaged({"E"});
    w.AddStartup({"T"});
    w.host.ChoosePopup(IdPopupRefresh);
    w.host.RightClick(IdcStartupList, 10, 10);
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"S", "T"}));
    EXPECT_EQ(w.Rows(IdcManagerList).size(), 5u);

    // The pending change is still pending: closing asks.
    w.world.messages.Answer(win::IdNo);
    w.host.Close();
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_EQ(w.Shown()[0].text, "Do you want to save changes before exiting?");
}

TEST(ConfigLists, NewShortcutPollsTheManagerDirectoryUntilItsCountChanges) {
    ConfigWorld w;
    w.AddManaged({"A"});
    ASSERT_TRUE(w.host.Open());

    w.host.Command(IdFileNew);
    ASSERT_EQ(w.world.shell.launches.size(), 1u);
    const Launch& wizard = w.world.shell.launches[0];
    EXPECT_TRUE(wizard.ex);
    EXPECT_EQ(wizard.file, "rundll32.exe");
    EXPECT_EQ(wizard.parameters, "AppWiz.Cpl,NewLinkHere C:\\ORVANE\\Startup\\");
    EXPECT_EQ(wizard.directory, "C:\\ORVANE\\Startup\\");
    ASSERT_TRUE(w.host.HasTimer(RefreshTimerId));
    EXPECT_EQ(w.host.TimerInterval(RefreshTimerId), 3000u);  // every three seconds, whatever the constant says

    w.host.Tick(3);  // the wizard is still open: nothing changed
    EXPECT_TRUE(w.host.HasTimer(RefreshTimerId));
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"A"}));

    w.AddManaged({"New Shortcut"});
    w.host.Tick();
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"A", "New Shortcut"}));
    EXPECT_FALSE(w.host.HasTimer(RefreshTimerId));
}

TEST(ConfigLists, AWizardThatCannotStartIsReportedAndThePollingStillRuns) {
    ConfigWorld w;
    w.world.faults.Add(Fault::Execute, "rundll32.exe");
    ASSERT_TRUE(w.host.Open());
    w.host.Command(IdFileNew);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"Could not start New Shortcut Wizard.", win::MbOk}}));
    EXPECT_TRUE(w.host.HasTimer(RefreshTimerId));
}

TEST(ConfigLists, ArrowsFollowTheSelectionOfTheirOwnList) {
    ConfigWorld w;
    w.AddManaged({"A", "B", "C"});
    w.AddStartup({"S", "T"});
    ASSERT_TRUE(w.host.Open());
    IButton& up = w.host.Button(IdcManagerUp);
    IButton& down = w.host.Button(IdcManagerDown);

    w.host.ClickRow(IdcManagerList, 0);
    EXPECT_FALSE(up.IsEnabled());
    EXPECT_TRUE(down.IsEnabled());
    w.host.ClickRow(IdcManagerList, 1);
    EXPECT_TRUE(up.IsEnabled());
    EXPECT_TRUE(down.IsEnabled());
    w.host.ClickRow(IdcManagerList, 2, true);  // Ctrl: two rows
    EXPECT_FALSE(up.IsEnabled());
    EXPECT_FALSE(down.IsEnabled());
    w.host.ClickRow(IdcManagerList, 2);
    EXPECT_TRUE(up.IsEnabled());
    EXPECT_FALSE(down.IsEnabled());

    w.host.ClickRow(IdcStartupList, 1);
    EXPECT_TRUE(w.host.Button(IdcStartupUp).IsEnabled());
    EXPECT_FALSE(w.host.Button(IdcStartupDown).IsEnabled());
    EXPECT_TRUE(up.IsEnabled());  // the manager's pair is untouched
}

TEST(ConfigLists, TheTwoRegistryListsShareOneSelection) {
    ConfigWorld w;
    w.AddManaged({"A"});
    for (const char* name : {"R1", "R2"})
        w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, name, "X.EXE");
    for (const char* name : {"S1", "S2"})
        w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey, name, "Y.EXE");
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);

    w.host.ClickRow(IdcManagerList, 0);
    w.host.ClickRow(IdcRunList, 0);
    w.host.ClickRow(IdcRunList, 1, true);
    EXPECT_EQ(w.List(IdcRunList).SelectedCount(), 2);
    w.host.ClickRow(IdcRunServicesList, 1);
    EXPECT_EQ(w.List(IdcRunList).SelectedCount(), 0);
    EXPECT_EQ(w.List(IdcRunServicesList).SelectedCount(), 1);
    w.host.ClickRow(IdcRunList, 0);
    EXPECT_EQ(w.List(IdcRunServicesList).SelectedCount(), 0);
    EXPECT_EQ(w.List(IdcRunList).SelectedCount(), 1);
    EXPECT_EQ(w.List(IdcManagerList).SelectedCount(), 1);
}

TEST(ConfigLists, TheContextMenuGreysWhatTheSelectionDoesNotAllow) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    ASSERT_TRUE(w.host.Open());
    auto enabled = [&](int command) {
        for (const MenuState& state : w.host.LastPopupStates())
            if (state.commandId == command) return state.enabled;
        ADD_FAILURE() << "no state for " << command;
        return false;
    };

    w.host.RightClick(IdcManagerList, 40, 50);
    ASSERT_EQ(w.host.PopupCount(), 1);
    EXPECT_TRUE(enabled(IdPopupExplore));
    EXPECT_TRUE(enabled(IdPopupRefresh));
    EXPECT_FALSE(enabled(IdPopupProperties));
    EXPECT_FALSE(enabled(IdPopupDelete));

    w.host.ClickRow(IdcManagerList, 0);
    w.host.RightClick(IdcManagerList, 40, 50);
    EXPECT_TRUE(enabled(IdPopupProperties));
    EXPECT_TRUE(enabled(IdPopupDelete));

    w.host.ClickRow(IdcManagerList, 1, true);
    w.host.RightClick(IdcManagerList, 40, 50);
    EXPECT_FALSE(enabled(IdPopupProperties));
    EXPECT_TRUE(enabled(IdPopupDelete));

    // Anywhere but a list: nothing.
    w.host.RightClick(IdcAdvanced, 5, 5);
    w.host.RightClick(ui::IdStatic, 5, 5);
    EXPECT_EQ(w.host.PopupCount(), 3);
}
