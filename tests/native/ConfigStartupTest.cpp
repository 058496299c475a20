// Opening the configuration program: what it creates, publishes and shows.
#include <gtest/gtest.h>

#include "config/ConfigApp.h"
#include "tests/native/ConfigWorld.h"

using namespace config;

namespace {

const char* const SettingsKey = settings::kKey;

std::string Setting(const ConfigWorld& w, const char* name) {
    return w.world.registry.Value(RegistryRoot::CurrentUser, SettingsKey, name).Text();
}

}  // namespace

TEST(ConfigStartup, FirstStartCreatesTheManagerDirectoryAndPublishesBothPaths) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());

    EXPECT_TRUE(w.world.files.Exists("C:\\ORVANE\\Startup"));
    EXPECT_FALSE(w.world.files.Exists("C:\\ORVANE\\Roc"));  // made by the first reorder only
    EXPECT_EQ(Setting(w, settings::kConfigPath), "C:\\ORVANE\\");
    EXPECT_EQ(Setting(w, settings::kIniPath), "C:\\ORVANE\\Orvane.ini");
    const std::vector<RegistryValue> values = w.world.registry.Values(RegistryRoot::CurrentUser, SettingsKey);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].name, "ConfigPath");  // written first
    EXPECT_EQ(values[0].type, win::RegSz);
    EXPECT_TRUE(w.world.files.Exists(ConfigWorld::Ini));  // read with "a+": created empty
    EXPECT_TRUE(w.Shown().empty());
    EXPECT_EQ(w.host.IconId(), IdiConfig);
    EXPECT_EQ(w.host.RemovedSystemMenuEntries(), (std::vector<int>{2, 3}));
    EXPECT_FALSE(w.host.HasEnded());
}

TEST(ConfigStartup, PathsThatCannotBePublishedAreReportedAndStartUpGoesOn) {
    ConfigWorld w;
    w.AddManaged({"A"});
    w.world.faults.Add(Fault::RegistrySet, settings::kIniPath);
    ASSERT_TRUE(w.host.Open());

    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{
                             {"Could not record the location of this program for Orvane.\n"
                              "Error accessing HKEY_CURRENT_USER\\Software\\Quillmark\\OrvaneConfig\\Settings",
                              win::MbIconExclamation}}));
    EXPECT_EQ(w.Rows(IdcManagerList), (std::vector<std::string>{"A"}));
    EXPECT_FALSE(w.host.HasEnded());
}

TEST(ConfigStartup, OpensInTheBasicViewWithEveryArrowDisabledAndTheBitmapsBound) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    ASSERT_TRUE(w.host.Open());

    // The template places the dialog at the origin: its edges are its size.
    ConfigWorld unopened;
    const int dr = unopened.host.WindowRect().right, db = unopened.host.WindowRect().bottom;
    const Rect basic = w.host.WindowRect();
    EXPECT_EQ(basic, (Rect{1024 / 2 - (dr / 2) / 2, 768 / 2 - db / 2, 1024 / 2 - (dr / 2) / 2 + dr / 2 - 30,
                           768 / 2 - db / 2 + db}));

    EXPECT_TRUE(w.host.Button(IdcAdvanced).IsVisible());
    EXPECT_TRUE(w.host.Button(IdcClose).IsVisible());
    EXPECT_FALSE(w.host.Button(IdcBasic).IsVisible());
    EXPECT_FALSE(w.host.Button(IdcRegistryAdd).IsVisible());
    EXPECT_FALSE(w.host.Button(IdcRegistryRemove).IsVisible());
    for (int id : {IdcManagerUp, IdcManagerDown, IdcStartupUp, IdcStartupDown}) EXPECT_FALSE(w.host.Button(id).IsEnabled());

    const std::vector<std::pair<int, std::string>> bitmaps{{IdcAdd, "ADDBUTTON"},       {IdcRemove, "REMOVEBUTTON"},
                                                           {IdcManagerUp, "UPARROW"},    {IdcManagerDown, "DOWNARROW"},
                                                           {IdcStartupUp, "UPARROW"},    {IdcStartupDown, "DOWNARROW"}};
    for (const auto& [id, base] : bitmaps)
        EXPECT_EQ(dynamic_cast<HeadlessButton&>(w.host.Button(id)).Bitmaps(), base) << id;
}

TEST(ConfigStartup, EachListsColumnsFillItsWidthBesideAVerticalScrollBar) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());
    for (int id : {IdcManagerList, IdcStartupList, IdcRunList, IdcRunServicesList}) {
        HeadlessListView& list = w.List(id);
        int total = 0;
        for (int column = 0; column < list.ColumnCount(); ++column) total += list.ColumnWidth(column);
        // More would add a horizontal scroll bar, which hides a row.
        EXPECT_LE(total, list.ColumnSpace()) << id;
        EXPECT_GE(total, list.ColumnSpace() * 9 / 10) << id;
    }
    EXPECT_EQ(w.List(IdcManagerList).ColumnCount(), 4);
}

TEST(ConfigStartup, AdvancedViewShowsTheRegistryButtonsAtTheCentredFullWidth) {
    ConfigWorld w;
    const int dr = w.host.WindowRect().right, db = w.host.WindowRect().bottom;
    ASSERT_TRUE(w.host.Open());

    w.host.Click(IdcAdvanced);
    EXPECT_EQ(w.host.WindowRect(), (Rect{512 - dr / 2, 384 - db / 2, 512 - dr / 2 + dr, 384 - db / 2 + db}));
    EXPECT_FALSE(w.host.Button(IdcAdvanced).IsVisible());
    EXPECT_FALSE(w.host.Button(IdcClose).IsVisible());
    EXPECT_TRUE(w.host.Button(IdcBasic).IsVisible());
    EXPECT_TRUE(w.host.Button(IdcRegistryAdd).IsVisible());
    EXPECT_TRUE(w.host.Button(IdcRegistryRemove).IsVisible());
    EXPECT_TRUE(w.host.Button(IdcCloseAdvanced).IsVisible());

    w.host.Click(IdcBasic);
    EXPECT_EQ(w.host.WindowRect().Width(), dr / 2 - 30);
    EXPECT_TRUE(w.host.Button(IdcAdvanced).IsVisible());
    EXPECT_FALSE(w.host.Button(IdcRegistryAdd).IsVisible());
    // The registry side is never hidden, only cut off by the narrower window.
    EXPECT_TRUE(w.List(IdcRunList).IsVisible());
    EXPECT_TRUE(w.host.Button(IdcCloseAdvanced).IsVisible());
}

TEST(ConfigStartup, AManagerDirectoryThatCannotBeMadeEndsTheProgramUntouched) {
    ConfigWorld w;
    w.world.faults.Add(Fault::MakeDirectory, "C:\\ORVANE\\Startup");
    EXPECT_FALSE(w.host.Open());

    EXPECT_TRUE(w.host.HasEnded());
    EXPECT_EQ(w.host.Result(), win::IdCancel);
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_EQ(w.Shown()[0], (ShownMessage{"Could not create the directory C:\\ORVANE\\Startup\n\n This program cannot continue.",
                                          win::MbIconExclamation}));
    EXPECT_FALSE(w.world.registry.KeyExists(RegistryRoot::CurrentUser, SettingsKey));
    EXPECT_FALSE(w.world.files.Exists(ConfigWorld::Ini));
    EXPECT_FALSE(w.world.registry.KeyExists(RegistryRoot::LocalMachine, ConfigWorld::RunKey));
}

TEST(ConfigStartup, APlainFileNamedStartupCountsAsTheManagerDirectory) {
    ConfigWorld w;
    w.world.files.AddFile("C:\\ORVANE\\Startup", "not a directory");
    w.world.faults.Add(Fault::MakeDirectory);  // any attempt would fail
    ASSERT_TRUE(w.host.Open());
    // A file cannot be listed as a directory: the user is told, and nothing is lost on closing.
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_EQ(w.Shown()[0].text.substr(0, 38), "The manager directory could not be rea");
    EXPECT_EQ(Setting(w, settings::kConfigPath), "C:\\ORVANE\\");
}

TEST(ConfigStartup, AWindowsDirectoryAtADriveRootGetsNoSecondBackslash) {
    ConfigWorld w("D:\\TOOLS\\OrvaneConfig.exe", "C:\\");
    w.world.files.AddFile("C:\\Start Menu\\Programs\\Startup\\Mail.lnk");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.Rows(IdcStartupList), (std::vector<std::string>{"Mail"}));
    EXPECT_EQ(Setting(w, settings::kConfigPath), "D:\\TOOLS\\");
    EXPECT_TRUE(w.world.files.Exists("D:\\TOOLS\\Startup"));
}

TEST(ConfigStartup, AMissingRunnerIsReportedAfterTheListsAreFilled) {
    MemoryWorld world;
    Platform platform = world.platform();
    world.files.AddFile("C:\\ORVANE\\Startup\\A.lnk");
    CProfileStore profile(world.registry, settings::kCompanyKey, "OrvaneConfig");
    CConfigDlg dialog(platform, profile);
    HeadlessDialogHost host(dialog);
    // The box is open while the list is already shown and the window placed.
    int rowsWhileOpen = -1;
    world.messages.Answer(win::IdOk, [&] { rowsWhileOpen = host.ListView(IdcManagerList).Count(); });
    ASSERT_TRUE(host.Open());

    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0],
              (ShownMessage{"Orvane.exe not found.\n\nThis file is required to launch managed items at Windows startup.\n"
                            "It must be located in the same directory as this program:\nC:\\ORVANE\\",
                            win::MbIconExclamation}));
    EXPECT_EQ(rowsWhileOpen, 1);
    EXPECT_FALSE(host.HasEnded());
}

TEST(ConfigStartup, TheApplicationKeepsItsSettingsUnderItsOwnFileName) {
    MemoryWorld world("C:\\ORVANE\\MyConfig.exe");
    Platform platform = world.platform();
    world.files.AddFile("C:\\ORVANE\\Orvane.exe");
    CConfigApp app(platform);
    int result = 0;
    EXPECT_FALSE(app.InitInstance([&](CDialog& dialog) {
        HeadlessDialogHost host(dialog);
        host.Open();
        host.Escape();
        return result = host.Result();
    }));
    EXPECT_EQ(result, win::IdCancel);
    EXPECT_TRUE(world.registry.HasValue(RegistryRoot::CurrentUser, "Software\\Quillmark\\MyConfig\\Settings", "IniPath"));
    EXPECT_FALSE(world.registry.KeyExists(RegistryRoot::CurrentUser, SettingsKey));
}
