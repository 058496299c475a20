// The places of today beside the old ones: the all-users Startup folder, the
// user's Run key and the 32-bit view of the machine's; each row's mark, the
// exact origin a move records, and what a refused machine key says.
#include <gtest/gtest.h>

#include "config/dialogs/RegLocationIds.h"
#include "config/transfer/RestoreMode.h"
#include "runner/RunnerDlg.h"
#include "tests/native/Conservation.h"

using namespace config;

namespace {

using Names = std::vector<std::string>;
using R = RegistryRoot;

std::vector<std::string> Column(ConfigWorld& w, int id, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < w.List(id).Count(); ++row) texts.push_back(w.List(id).ItemText(row, column));
    return texts;
}

std::string Data(ConfigWorld& w, R root, const std::string& name) {
    return w.world.registry.Value(root, ConfigWorld::RunKey, name).Text();
}

// One item in each new place, and one in each old place.
void EveryPlace(ConfigWorld& w) {
    w.UseEveryPlace();
    w.AddStartup({"Mine"});
    AddShortcut(w, std::string(ConfigWorld::CommonStartup) + "Shared.lnk", "C:\\S.EXE", "-s");
    w.world.registry.SetString(R::LocalMachine, ConfigWorld::RunKey, "Machine", "C:\\M.EXE");
    w.world.registry.SetString(R::CurrentUser, ConfigWorld::RunKey, "Own", "C:\\U.EXE -u");
    w.world.registry.SetString(R::LocalMachine32, ConfigWorld::RunKey, "Old", "C:\\W.EXE -w");
}

void SelectAll(ConfigWorld& w, int list) {
    for (int row = 0; row < w.List(list).Count(); ++row) w.host.ClickRow(list, row, true);
}

}  // namespace

TEST(ConfigPlaces, EachListShowsEveryPlaceAndMarksWhereEachRowLives) {
    ConfigWorld w;
    EveryPlace(w);
    // The runner's entry is the user's: never listed as an item.
    w.world.registry.SetString(R::CurrentUser, ConfigWorld::RunKey, "Orvane", "C:\\ORVANE\\Orvane.exe");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"Mine", "Shared"}));
    EXPECT_EQ(Column(w, IdcStartupList, 1), (Names{"User", "All users"}));
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Machine", "Own", "Old"}));
    EXPECT_EQ(Column(w, IdcRunList, 1), (Names{"Machine", "User", "32-bit"}));
    EXPECT_EQ(w.List(IdcRunList).ColumnHeading(1), "Where");
    // The 32-bit view is the machine's Wow6432Node, as the registry editor shows it.
    EXPECT_TRUE(w.world.registry.HasValue(R::LocalMachine, "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", "Old"));
    EXPECT_EQ(Column(w, IdcRunServicesList, 1), (Names{}));
}

TEST(ConfigPlaces, WithoutASeparateViewOrAnAllUsersFolderTheListsAreAsTheyWere) {
    ConfigWorld w;
    w.AddStartup({"Mine"});
    w.world.registry.SetString(R::LocalMachine, ConfigWorld::RunKey, "Machine", "C:\\M.EXE");
    // A shell that names the user's own folder as everyone's lists it once.
    w.world.registry.SetString(R::LocalMachine, ConfigWorld::ShellFolders, "Common Startup",
                               "C:\\WINDOWS\\START MENU\\PROGRAMS\\STARTUP");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"Mine"}));
    EXPECT_EQ(Column(w, IdcStartupList, 1), (Names{"User"}));
    // The 32-bit view is the machine's own: its values are listed once, as the machine's.
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Machine"}));
    EXPECT_EQ(Column(w, IdcRunList, 1), (Names{"Machine"}));
}

TEST(ConfigPlaces, TakenInFromEachPlaceAndRestoredEachGoesBackWhereItCameFrom) {
    ConfigWorld w;
    EveryPlace(w);
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
    SelectAll(w, IdcStartupList);
    w.host.Click(IdcAdd);
    SelectAll(w, IdcRunList);
    w.host.Click(IdcRegistryAdd);
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Machine", "Own", "Old", "Mine", "Shared"}));
    EXPECT_EQ(Column(w, IdcManagerList, 1), (Names{"Run", "UserRun", "Run32", "Startup", "AllStartup"}));
    EXPECT_TRUE(w.world.registry.Values(R::CurrentUser, ConfigWorld::RunKey).empty());
    EXPECT_TRUE(w.world.registry.Values(R::LocalMachine32, ConfigWorld::RunKey).empty());

    w.world.messages.Answer(win::IdYes);
    w.host.Command(IdFileRestore);
    EXPECT_EQ(w.Rows(IdcManagerList), Names{});
    EXPECT_EQ(Data(w, R::LocalMachine, "Machine"), "C:\\M.EXE ");
    EXPECT_EQ(Data(w, R::CurrentUser, "Own"), "C:\\U.EXE -u");
    EXPECT_EQ(Data(w, R::LocalMachine32, "Old"), "C:\\W.EXE -w");
    EXPECT_FALSE(w.world.registry.HasValue(R::LocalMachine, ConfigWorld::RunKey, "Own"));
    EXPECT_FALSE(w.world.registry.HasValue(R::LocalMachine, ConfigWorld::RunKey, "Old"));
    EXPECT_EQ(w.Entries(ConfigWorld::CommonStartup), (Names{"Shared.lnk"}));
    EXPECT_EQ(w.Entries(ConfigWorld::StartupFolder), (Names{"Mine.lnk"}));
    EXPECT_EQ(Column(w, IdcRunList, 1), (Names{"Machine", "User", "32-bit"}));

    // Taken in again and saved: the old places keep their texts byte for
    // byte, the new ones have their own.
    SelectAll(w, IdcStartupList);
    w.host.Click(IdcAdd);
    SelectAll(w, IdcRunList);
    w.host.Click(IdcRegistryAdd);
    w.host.Click(IdcCloseAdvanced);
    const std::string ini = w.world.files.Contents(ConfigWorld::Ini);
    for (const char* line : {"\"Machine\", \"Run\", \"", "\"Own\", \"UserRun\", \"", "\"Old\", \"Run32\", \"",
                             "\"Mine\", \"Startup\", \"", "\"Shared\", \"AllStartup\", \""})
        EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;
}

TEST(ConfigPlaces, RemoveButtonsPutAnItemBackIntoItsOwnPlace) {
    ConfigWorld w;
    EveryPlace(w);
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
    w.host.ClickRow(IdcStartupList, 1);  // Shared, of all users
    w.host.Click(IdcAdd);
    w.host.ClickRow(IdcRunList, 1);  // Own, of the user
    w.host.Click(IdcRegistryAdd);
    ASSERT_EQ(w.Rows(IdcManagerList), (Names{"Own", "Shared"}));

    w.host.ClickRow(IdcManagerList, 1);
    w.host.Click(IdcRemove);
    EXPECT_EQ(w.Entries(ConfigWorld::CommonStartup), (Names{"Shared.lnk"}));
    EXPECT_EQ(Column(w, IdcStartupList, 1), (Names{"User", "All users"}));
    w.host.ClickRow(IdcManagerList, 0);
    w.host.Click(IdcRegistryRemove);
    EXPECT_EQ(Data(w, R::CurrentUser, "Own"), "C:\\U.EXE -u");
    EXPECT_EQ(w.host.ChildCount(), 0);  // a known origin asks nothing
}

TEST(ConfigPlaces, AStandardUsersSessionMovesTheirOwnItemsAndIsToldWhereAnAdministratorIsNeeded) {
    ConfigWorld w;
    EveryPlace(w);
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Plain.lnk", "C:\\P.EXE", "-p");
    w.BeStandardUser();
    const auto before = TakeCensus(w);
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);

    w.host.ClickRow(IdcRunList, 0);
    w.host.Click(IdcRegistryAdd);
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_EQ(w.Shown()[0].text,
              "Machine\n\nWindows did not allow Orvane to change this key:\n"
              "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\n\n"
              "The keys of the whole computer can only be changed by an administrator.  Start OrvaneConfig as an "
              "administrator, or use the Run key of this user only, which needs no such rights.\n\nNothing was moved.");
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Plain"}));
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"Plain.lnk"}));
    EXPECT_TRUE(w.world.registry.HasValue(R::LocalMachine, ConfigWorld::RunKey, "Machine"));

    // Going to the machine's key is refused too; the user's own key takes it.
    w.world.messages.shown.clear();
    w.host.ScriptChild([](HeadlessDialogHost& child) { child.Click(win::IdOk); });
    w.host.ClickRow(IdcManagerList, 0);
    w.host.Click(IdcRegistryRemove);
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_NE(w.Shown()[0].text.find("administrator"), std::string::npos);
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"Plain.lnk"}));
    w.host.ScriptChild([](HeadlessDialogHost& child) {
        child.Click(reglocation::IdcRadioUserRun);
        child.Click(win::IdOk);
    });
    w.host.Click(IdcRegistryRemove);
    EXPECT_EQ(Data(w, R::CurrentUser, "Plain"), "C:\\P.EXE -p");
    EXPECT_EQ(w.Rows(IdcManagerList), Names{});
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Machine", "Own", "Old", "Plain"}));

    // The all-users folder refuses too, and says so; the user's own folder moves.
    w.world.messages.shown.clear();
    SelectAll(w, IdcStartupList);
    w.host.Click(IdcAdd);
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_EQ(w.Shown()[0].text.substr(0, w.Shown()[0].text.find("\n\nMake sure")),
              std::string(ConfigWorld::CommonStartup) + "Shared.lnk\nThis file could not be moved.\n\n"
              "Only an administrator can change the Startup folder of all users.  Start OrvaneConfig as an "
              "administrator, or use the Startup folder of this user only, which needs no such rights.");
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Mine"}));
    EXPECT_EQ(w.Entries(ConfigWorld::CommonStartup), (Names{"Shared.lnk"}));
    w.host.Click(IdcCloseAdvanced);
    EXPECT_EQ(w.RunValue(), "C:\\ORVANE\\Orvane.exe");
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini), "\"Mine\", \"Startup\", \"\"\r\n");
    EXPECT_EQ(CheckConservation(w, before, {}), "");
}

TEST(ConfigPlaces, TheRestoreModeSendsItemsOfTheNewerPlacesBackToThem) {
    ConfigWorld w;
    w.UseEveryPlace();
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Own.lnk", "C:\\U.EXE", "-u");
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Old.lnk", "C:\\W.EXE", "-w");
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Shared.lnk", "C:\\S.EXE", "-s");
    w.WriteIni("\"Own\", \"UserRun\", \"\"\r\n\"Old\", \"Run32\", \"\"\r\n\"Shared\", \"AllStartup\", \"\"\r\n");
    EXPECT_EQ(RestoreWithoutWindow(w.platform, true), RestoreDone);
    EXPECT_EQ(Data(w, R::CurrentUser, "Own"), "C:\\U.EXE -u");
    EXPECT_EQ(Data(w, R::LocalMachine32, "Old"), "C:\\W.EXE -w");
    EXPECT_TRUE(w.world.registry.Values(R::LocalMachine, ConfigWorld::RunKey).empty());
    EXPECT_EQ(w.Entries(ConfigWorld::CommonStartup), (Names{"Shared.lnk"}));
    EXPECT_TRUE(w.Entries(ConfigWorld::StartupFolder).empty());
}

TEST(ConfigPlaces, AValueBackInItsKeyReplacesOnlyTheRowOfThatKey) {
    ConfigWorld w;
    w.UseEveryPlace();
    w.world.registry.SetString(R::LocalMachine, ConfigWorld::RunKey, "Same", "C:\\M.EXE");
    w.world.registry.SetString(R::CurrentUser, ConfigWorld::RunKey, "Same", "C:\\U.EXE -u");
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
    w.host.ClickRow(IdcRunList, 1);
    w.host.Click(IdcRegistryAdd);
    w.host.ClickRow(IdcManagerList, 0);
    w.host.Click(IdcRegistryRemove);
    // The machine's value of that name keeps its row beside the user's.
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Same", "Same"}));
    EXPECT_EQ(Column(w, IdcRunList, 1), (Names{"Machine", "User"}));
    EXPECT_EQ(Data(w, R::CurrentUser, "Same"), "C:\\U.EXE -u");
}

// What appeared since the last save is marked new until the next save; a
// managed program back in a place is marked also managed, offered once, and
// an add takes it in again with the user's word, leaving the manager's item
// as it was.
TEST(ConfigPlaces, NewAndAlsoManagedRowsAreMarkedAndAnAddTakesAnItemInAgain) {
    ConfigWorld w;
    w.UseEveryPlace();
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Mail.lnk", "C:\\Apps\\Mail.exe", "-tray");
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Chat.lnk", "C:\\CHAT.EXE", "");
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Pager.lnk", "C:\\PAGER.EXE", "-p");
    w.WriteIni("\"Chat\", \"Startup\", \"\"\r\n\"Mail\", \"Run\", \"4\"\r\n\"Pager\", \"Startup\", \"\"\r\n");
    // A shortcut of the same title that starts another program is no twin; one that starts the same is.
    AddShortcut(w, std::string(ConfigWorld::StartupFolder) + "Chat.lnk", "C:\\OTHER.EXE", "");
    AddShortcut(w, std::string(ConfigWorld::StartupFolder) + "Pager.lnk", "c:\\pager.exe", "-p");
    w.world.registry.SetString(R::CurrentUser, ConfigWorld::RunKey, "Mail", "\"c:\\apps\\MAIL.EXE\" -tray");
    const std::string approved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
    w.world.registry.SetValue(R::CurrentUser, approved, "Mail", win::RegBinary, std::string(12, '\2'));
    w.world.registry.SetString(R::CurrentUser, ConfigWorld::RunKey, "Old", "C:\\OLD.EXE");
    w.world.registry.SetString(R::CurrentUser, ConfigWorld::RunKey, "Named", "C:\\NAMED.EXE");
    w.world.files.AddFile("C:\\ORVANE\\Orvane.seen",
                          "UserRun\tseen\tOld\r\nUserRun\tnew\tNamed\r\nStartup\tseen\tChat.lnk\r\nStartup\tseen\tPager.lnk\r\n"
                          "AllStartup\tnew\tShared.lnk\r\n");
    // The user never sees what a folder that cannot be read holds: the save keeps its record.
    w.world.faults.Add(Fault::Find, std::string(ConfigWorld::CommonStartup) + "*.*");
    // Back since the last save: offered once as the dialog opens (answered No).
    ASSERT_TRUE(w.host.Open());
    ASSERT_EQ(w.Shown().size(), 2u);
    EXPECT_NE(w.Shown()[1].text.find("Mail\n\nOrvane starts this program already"), std::string::npos);
    w.host.Click(IdcAdvanced);
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Mail", "Old", "Named"}));
    EXPECT_EQ(Column(w, IdcRunList, 1), (Names{"User, also managed", "User", "User, new"}));
    // The Where column grows to its longest note; the Name column gives way.
    HeadlessListView& run = w.List(IdcRunList);
    EXPECT_GT(run.ColumnWidth(1), run.TextWidth("User, also managed"));
    EXPECT_EQ(run.ColumnWidth(0) + run.ColumnWidth(1), run.WindowRect().Width() - 21);
    EXPECT_EQ(Column(w, IdcStartupList, 1), (Names{"User", "User, also managed"}));

    // No leaves the item where it is, and the add goes on with the next row.
    w.host.ClickRow(IdcRunList, 0);
    w.host.ClickRow(IdcRunList, 2, true);
    w.world.messages.Answer(win::IdNo);
    w.host.Click(IdcRegistryAdd);
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Mail", "Old"}));
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Named", "Chat", "Mail", "Pager"}));
    w.host.ClickRow(IdcRunList, 0);
    w.world.messages.Answer(win::IdYes);
    w.host.Click(IdcRegistryAdd);
    EXPECT_EQ(w.Shown().back(), (ShownMessage{"Mail\n\nOrvane starts this program already, and it has put itself back "
                                              "where Windows starts it too:\nHKEY_CURRENT_USER\\" + std::string(ConfigWorld::RunKey) +
                                              "\n\nTake it in again?  Its entry there is then removed, and only Orvane starts it.",
                                              win::MbYesNo | win::MbIconQuestion}));
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Old"}));
    EXPECT_FALSE(w.world.registry.HasValue(R::CurrentUser, ConfigWorld::RunKey, "Mail"));
    EXPECT_FALSE(w.world.registry.HasValue(R::CurrentUser, approved, "Mail")) << "its state goes with the entry";
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Named", "Chat", "Mail", "Pager"}));
    EXPECT_EQ(Column(w, IdcManagerList, 1), (Names{"UserRun", "Startup", "UserRun", "Startup"}));
    const std::string kept = w.world.files.Contents(std::string(ConfigWorld::Manager) + "Mail.lnk");

    w.host.Click(IdcCloseAdvanced);
    EXPECT_EQ(w.world.files.Contents(std::string(ConfigWorld::Manager) + "Mail.lnk"), kept);
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"Named\", \"UserRun\", \"\"\r\n\"Chat\", \"Startup\", \"\"\r\n\"Mail\", \"UserRun\", \"4\"\r\n\"Pager\", \"Startup\", \"\"\r\n");
    EXPECT_EQ(w.world.files.Contents("C:\\ORVANE\\Orvane.seen"),
              "Startup\tseen\tChat.lnk\r\nStartup\tseen\tPager.lnk\r\nAllStartup\tnew\tShared.lnk\r\nUserRun\tseen\tOld\r\n");
}

// A place not there at a save (the all-users folder gone, no separate 32-bit
// view) keeps its record: back at the runner's next start, nothing in it is
// named.
TEST(ConfigPlaces, APlaceMissingAtASaveKeepsItsRecordUntilItIsBack) {
    ConfigWorld w;
    const std::string record = "AllStartup\tseen\tShared.lnk\r\nRun32\tnew\tOld\r\n";
    w.world.files.AddFile("C:\\ORVANE\\Orvane.seen", record);
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcCloseAdvanced);
    EXPECT_EQ(w.world.files.Contents("C:\\ORVANE\\Orvane.seen"), record);

    w.UseEveryPlace();
    AddShortcut(w, std::string(ConfigWorld::CommonStartup) + "Shared.lnk", "C:\\S.EXE", "-s");
    w.world.registry.SetString(R::LocalMachine32, ConfigWorld::RunKey, "Old", "C:\\W.EXE -w");
    w.world.messages.shown.clear();
    CRunnerDlg runner(w.platform);
    HeadlessDialogHost runnerHost(runner);
    ASSERT_TRUE(runnerHost.Open());
    for (int tick = 0; tick < 4; ++tick) runnerHost.Tick();
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{}));
}
