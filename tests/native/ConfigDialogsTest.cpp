// The child dialogs of the configuration program: item properties and the
// wait, the runner's options, Explore, Help and About.
#include <gtest/gtest.h>

#include "config/dialogs/AboutIds.h"
#include "config/dialogs/HelpChoiceIds.h"
#include "config/dialogs/MgrPropIds.h"
#include "config/dialogs/OptionsDlg.h"
#include "config/dialogs/OptionsIds.h"
#include "config/dialogs/PropertiesIds.h"
#include "config/dialogs/RegPropIds.h"
#include "config/dialogs/RegeditInfoDlg.h"
#include "config/dialogs/RegeditInfoIds.h"
#include "config/dialogs/StartupPropIds.h"
#include "config/dialogs/TypeText.h"
#include "config/dialogs/WebSite.h"
#include "tests/native/ConfigWorld.h"
#include "tests/native/Conservation.h"

using namespace config;

namespace {

using Names = std::vector<std::string>;
using Shown = std::vector<ShownMessage>;
using mgrprop::IdcWait;
const std::string WaitRefused = "Please enter a number in the range 0 - 99";

HeadlessEdit& EditOf(HeadlessDialogHost& host, int id) { return dynamic_cast<HeadlessEdit&>(host.Edit(id)); }
std::string TextOf(HeadlessDialogHost& host, int id) { return host.Edit(id).Text(); }

int Setting(ConfigWorld& w, const char* name) {
    return w.profile.GetProfileInt(settings::kSection, name, -1);
}

// The context menu of a list, choosing a command.
void Choose(ConfigWorld& w, int list, int command) {
    w.host.ChoosePopup(command);
    w.host.RightClick(list, 10, 10);
}

}  // namespace

TEST(ConfigDialogs, TypeTextTakesAtMostFourCharactersAfterTheLastDotAnywhereInThePath) {
    for (const char* path : {"C:\\S\\Mail.lnk", "C:\\S\\MAIL.LNK", "C:\\S\\Mail.Lnk"}) EXPECT_EQ(TypeTextOf(path), "Shortcut");
    for (const char* path : {"C:\\S\\Setup.exe", "C:\\S\\Tool.com", "C:\\S\\Start.bat"})
        EXPECT_EQ(TypeTextOf(path), "Executable");
    EXPECT_EQ(TypeTextOf("C:\\S\\Notes.txt"), "TXT file");
    EXPECT_EQ(TypeTextOf("C:\\S\\Page.html"), "HTML file");
    EXPECT_EQ(TypeTextOf("C:\\S\\Data.backup"), "BACK file");
    EXPECT_EQ(TypeTextOf("C:\\S\\Readme"), " file");
    EXPECT_EQ(TypeTextOf("C:\\Tools.V2\\Startup\\Readme"), "V2\\S file");
    EXPECT_EQ(TypeTextOf("C:\\S\\My file.a b"), "A file");
}

TEST(ConfigDialogs, TheManagerDialogShowsTheRowAndAcceptsOnlyAWaitFrom0To99) {
    ConfigWorld w;
    w.AddManaged({"Mail", "Other"});
    w.WriteIni("\"Mail\", \"Startup\", \"5\"\r\n");
    ASSERT_TRUE(w.host.Open());

    w.host.ScriptChild([&](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Caption(), "Mail Properties");
        EXPECT_EQ(TextOf(d, props::IdcTitle), "Mail");
        EXPECT_EQ(TextOf(d, mgrprop::IdcFileName), "Mail.lnk");
        EXPECT_EQ(TextOf(d, mgrprop::IdcType), "Shortcut");
        EXPECT_EQ(TextOf(d, mgrprop::IdcSource), "Startup");
        EXPECT_EQ(TextOf(d, IdcWait), "5");
        EXPECT_EQ(EditOf(d, IdcWait).Template().style & win::EsNumber, win::EsNumber);
        // Refused: the message, the edit emptied, the dialog still open.
        for (const char* refused : {"100", "-1", "99999999999", "4294967303"}) {
            w.world.messages.shown.clear();
            d.Edit(IdcWait).SetText(refused);
            d.Click(win::IdOk);
            EXPECT_EQ(w.Shown(), (Shown{{WaitRefused, win::MbOk | win::MbIconExclamation}})) << refused;
            EXPECT_EQ(TextOf(d, IdcWait), "") << refused;
            EXPECT_FALSE(d.HasEnded()) << refused;
        }
        d.Edit(IdcWait).SetText("07");
        d.Click(win::IdOk);
        EXPECT_EQ(d.Result(), win::IdOk);
    });
    w.host.DoubleClickRow(IdcManagerList, 0);
    EXPECT_EQ(w.host.ChildCount(), 1);
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2), "7");

    // An empty edit or text without digits is 0, shown as no wait.
    for (const char* none : {"", "abc", "0"}) {
        w.host.ScriptChild([&](HeadlessDialogHost& d) {
            d.Edit(IdcWait).SetText(none);
            d.Click(win::IdOk);
        });
        // Enter on the selected row opens it as a double-click does.
        w.host.KeyDown(IdcManagerList, win::VkReturn);
        EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2), "") << none;
    }
    EXPECT_TRUE(w.CloseAsksToSave());
}

TEST(ConfigDialogs, TheManagerDialogSaysWhatTheItemRuns) {
    ConfigWorld w;
    AddShortcut(w, "C:\\ORVANE\\Startup\\Tool.lnk", "C:\\Program Files\\Tool\\tool.exe", "-quiet -now");
    w.world.files.AddFile("C:\\ORVANE\\Startup\\Setup.exe");
    w.AddManaged({"Broken"});  // not a shortcut inside
    ASSERT_TRUE(w.host.Open());
    std::vector<std::string> runs;
    for (int row = 0; row < 3; ++row) {
        w.host.ScriptChild([&](HeadlessDialogHost& d) {
            runs.push_back(TextOf(d, mgrprop::IdcProgram) + " | " + TextOf(d, mgrprop::IdcArguments));
            EXPECT_NE(EditOf(d, mgrprop::IdcProgram).Template().style & win::EsReadOnly, 0u);
            d.Click(win::IdCancel);
        });
        w.host.DoubleClickRow(IdcManagerList, row);
    }
    EXPECT_EQ(runs, (Names{"C:\\Program Files\\Tool\\tool.exe | -quiet -now", "This item itself | ",
                           "(The shortcut could not be read.) | "}));
}

TEST(ConfigDialogs, CancelChangesNothingAndTwoSelectedRowsOpenNoDialog) {
    ConfigWorld w;
    w.AddManaged({"A", "B"});
    w.WriteIni("\"A\", \"\", \"3\"\r\n");
    ASSERT_TRUE(w.host.Open());
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        d.Edit(IdcWait).SetText("9");
        d.Click(win::IdCancel);
    });
    w.host.DoubleClickRow(IdcManagerList, 0);
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 2), "3");

    w.host.ClickRow(IdcManagerList, 1, true);
    w.host.SendNotify(Notify::DblClk, IdcManagerList);
    EXPECT_EQ(w.host.ChildCount(), 1);
    EXPECT_FALSE(w.CloseAsksToSave());
}

TEST(ConfigDialogs, StartupAndRegistryPropertiesShowWhereTheItemLies) {
    ConfigWorld w;
    w.AddStartup({"Clock"});
    w.world.registry.Create(RegistryRoot::LocalMachine, ConfigWorld::RunKey)->SetString("Mail", "C:\\MAIL.EXE -q");
    w.world.registry.Create(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey)->SetString("Svc", "C:\\SVC.EXE");
    w.UseEveryPlace();
    w.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Own", "C:\\OWN.EXE");
    w.world.registry.SetString(RegistryRoot::LocalMachine32, ConfigWorld::RunKey, "Old", "C:\\OLD.EXE");
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);

    w.host.ScriptChild([](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Caption(), "Clock Properties");
        EXPECT_EQ(TextOf(d, startupprop::IdcFileName), "Clock.lnk");
        EXPECT_EQ(TextOf(d, startupprop::IdcType), "Shortcut");
        EXPECT_EQ(TextOf(d, startupprop::IdcLocation), "Windows Startup directory");
    });
    w.host.ClickRow(IdcStartupList, 0);
    Choose(w, IdcStartupList, IdPopupProperties);

    std::vector<std::pair<std::string, std::string>> shown;
    for (const auto& [list, row] : {std::pair{IdcRunList, 0}, {IdcRunList, 1}, {IdcRunList, 2}, {IdcRunServicesList, 0}}) {
        w.host.ScriptChild([&](HeadlessDialogHost& d) {
            shown.push_back({d.Caption(), TextOf(d, regprop::IdcLocation) + " | " + TextOf(d, regprop::IdcCommandLine)});
            EXPECT_EQ(TextOf(d, props::IdcTitle) + " Properties", d.Caption());
        });
        w.host.DoubleClickRow(list, row);
    }
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{
                         {"Mail Properties", "Registry's Run Items | C:\\MAIL.EXE -q"},
                         {"Own Properties", "Registry's Run Items (this user) | C:\\OWN.EXE"},
                         {"Old Properties", "Registry's Run Items (32-bit) | C:\\OLD.EXE"},
                         {"Svc Properties", "Registry's Services Items | C:\\SVC.EXE"}}));
    EXPECT_FALSE(w.CloseAsksToSave());
}

TEST(ConfigDialogs, OptionsShowTheDefaultsAndApplyFollowsTheFirstChange) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());
    w.host.ScriptChild([&](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Caption(), "Orvane Options");
        EXPECT_EQ(d.Button(options::IdcTopLeft).Check() + d.Button(options::IdcCentered).Check() * 2 + d.Button(options::IdcBottomLeft).Check() * 4, 2);
        EXPECT_EQ(d.Button(options::IdcMinimized).Check(), 0);
        EXPECT_EQ(d.Button(options::IdcClose).Check(), 1);
        IButton& apply = d.Button(options::IdcApply);
        EXPECT_FALSE(apply.IsEnabled());
        d.Click(options::IdcCentered);  // already checked
        EXPECT_FALSE(apply.IsEnabled());
        d.Click(options::IdcTopLeft);
        d.Click(options::IdcMinimized);
        EXPECT_TRUE(apply.IsEnabled());
        d.Click(options::IdcMinimized);
        EXPECT_TRUE(apply.IsEnabled()) << "back where it opened, Apply stays";
        d.Click(options::IdcMinimized);
        d.Click(options::IdcApply);
        EXPECT_FALSE(apply.IsEnabled());
        // The keyboard goes on from the button it greyed.
        EXPECT_TRUE(dynamic_cast<HeadlessButton&>(d.Button(options::IdcTopLeft)).Focused());
        EXPECT_EQ(Setting(w, settings::kPlacement), 0);
        EXPECT_EQ(Setting(w, settings::kMinimized), 1);
        EXPECT_EQ(Setting(w, settings::kCloseWhenFinished), 1);
        d.Click(options::IdcBottomLeft);
        d.Click(win::IdCancel);
    });
    w.host.Command(IdViewOptions);
    EXPECT_EQ(w.host.ChildCount(), 1);
    EXPECT_EQ(Setting(w, settings::kPlacement), 0) << "Cancel keeps what Apply wrote";
    EXPECT_FALSE(w.CloseAsksToSave());
}

TEST(ConfigDialogs, OptionsOkWritesAllThreeAndAnUnknownPlacementIsBottomLeft) {
    ConfigWorld w;
    w.profile.WriteProfileInt(settings::kSection, settings::kPlacement, 5);
    ASSERT_TRUE(w.host.Open());
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Button(options::IdcBottomLeft).Check(), 1);
        EXPECT_EQ(d.Button(options::IdcCentered).Check(), 0);
        d.Click(win::IdOk);
    });
    w.host.Command(IdViewOptions);
    EXPECT_EQ(Setting(w, settings::kPlacement), 2);
    EXPECT_EQ(Setting(w, settings::kMinimized), 0);
    EXPECT_EQ(Setting(w, settings::kCloseWhenFinished), 1);
}

TEST(ConfigDialogs, OptionsThatCannotBeWrittenAreToldAndKeptForAnotherTry) {
    for (int button : {3, static_cast<int>(win::IdOk)}) {
        ConfigWorld w;
        ASSERT_TRUE(w.host.Open());
        w.world.faults.Add(Fault::RegistrySet, settings::kMinimized, 1);
        w.host.ScriptChild([&](HeadlessDialogHost& d) {
            d.Click(options::IdcMinimized);
            d.Click(button);
            EXPECT_EQ(w.Shown(), (Shown{{kOptionsNotWritten, win::MbOk | win::MbIconExclamation}})) << button;
            EXPECT_FALSE(d.HasEnded()) << button;
            EXPECT_TRUE(d.Button(3).IsEnabled()) << button;
            EXPECT_EQ(d.Button(options::IdcMinimized).Check(), 1) << button;
            d.Click(button);
            EXPECT_FALSE(d.Button(3).IsEnabled()) << button;
            if (!d.HasEnded()) d.Click(win::IdCancel);
        });
        w.host.Command(IdViewOptions);
        EXPECT_EQ(Setting(w, settings::kMinimized), 1) << button;
        EXPECT_EQ(w.Shown().size(), 1u) << button;
    }
}

TEST(ConfigDialogs, ExploreOpensAFolderListInTheExplorerAndTellsAFailure) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());
    Choose(w, IdcStartupList, IdPopupExplore);
    w.host.Command(IdViewExplore);  // the manager, whatever was right-clicked
    ASSERT_EQ(w.world.shell.launches.size(), 2u);
    const Launch& folder = w.world.shell.launches[0];
    EXPECT_EQ(folder.file, "explorer");
    EXPECT_EQ(folder.verb, "");
    EXPECT_EQ(folder.parameters, std::string("/e,\"") + ConfigWorld::StartupFolder + "\"");
    EXPECT_EQ(folder.showCommand, win::SwShowNormal);
    EXPECT_EQ(w.world.shell.launches[1].parameters, "/e,\"C:\\ORVANE\\Startup\\\"");
    EXPECT_TRUE(w.Shown().empty());

    w.world.faults.Add(Fault::Execute, "explorer");
    w.world.shell.failure = 32;  // the highest failure there is
    w.host.Command(IdViewExplore);
    EXPECT_EQ(w.Shown(), (Shown{{"Error 32\n\nThere was an error exploring this folder:\nC:\\ORVANE\\Startup\\",
                                 win::MbOk | win::MbIconExclamation}}));
}

TEST(ConfigDialogs, ExploreOfARegistryListNamesTheKeyAboveTheEditorAndLeavesTheMainWindowBe) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
    std::vector<std::string> keys;
    for (int list : {IdcRunList, IdcRunServicesList}) {
        w.host.ScriptChild([&](HeadlessDialogHost& d) {
            EXPECT_EQ(d.Caption(), "Regedit");
            EXPECT_TRUE(d.IsTopmost());
            EXPECT_FALSE(w.host.IsMinimized());  // it would hide the note it owns
            // The editor opens after it: for its first three seconds it comes
            // back in front at every tick, then it stays where the user puts it.
            const int before = d.ForegroundCount();
            const unsigned period = d.TimerInterval(CRegeditInfoDlg::FrontTimerId);
            unsigned ticks = 0;
            for (; d.HasTimer(CRegeditInfoDlg::FrontTimerId) && ticks < 100; ++ticks) d.Tick();
            EXPECT_EQ(ticks * period, 3000u);
            EXPECT_LE(period, 250u);
            EXPECT_EQ(d.ForegroundCount() - before, static_cast<int>(ticks));
            keys.push_back(TextOf(d, regeditinfo::IdcKeyPath));
            d.Click(win::IdOk);
        });
        Choose(w, list, IdPopupExplore);
        EXPECT_FALSE(w.host.IsMinimized());
    }
    EXPECT_EQ(keys, (Names{"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                           "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\RunServices"}));
    ASSERT_EQ(w.world.shell.launches.size(), 2u);
    EXPECT_EQ(w.world.shell.launches[0].file, "regedit");
    EXPECT_EQ(w.world.shell.launches[0].parameters, "");
    EXPECT_TRUE(w.Shown().empty());

    // The note comes even when the editor did not start.
    w.world.faults.Add(Fault::Execute, "regedit");
    Choose(w, IdcRunList, IdPopupExplore);
    EXPECT_EQ(w.Shown(), (Shown{{"Error 2\n\nThere was an error starting Regedit", win::MbOk | win::MbIconExclamation}}));
    EXPECT_EQ(w.host.ChildCount(), 3);
}

TEST(ConfigDialogs, HelpOffersTheChoiceOnlyWhenTheLocalDocumentationIsThere) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());
    w.host.Command(IdHelpContents);
    w.host.KeyDown(IdcManagerList, win::VkF1);
    const ShownMessage missing{"C:\\ORVANE\\Doc\\Contents.htm\n\nThe help file could not be found.", win::MbOk};
    EXPECT_EQ(w.Shown(), (Shown{missing, missing}));
    EXPECT_EQ(w.host.ChildCount(), 0);

    w.world.files.AddDirectory("C:\\ORVANE\\Doc");
    w.world.files.AddFile("C:\\ORVANE\\Doc\\Contents.htm", "<HTML>");
    for (int choice : {helpchoice::IdcOnline, helpchoice::IdcLocal}) {
        w.host.ScriptChild([&](HeadlessDialogHost& d) {
            EXPECT_EQ(d.Caption(), "Orvane Help");
            d.Click(choice);
            EXPECT_TRUE(d.HasEnded());
        });
        w.host.Command(IdHelpContents);
    }
    ASSERT_EQ(w.world.shell.launches.size(), 2u);
    EXPECT_EQ(w.world.shell.launches[0].file, "http://www.orvane.example/orvane/contents.htm");
    EXPECT_EQ(w.world.shell.launches[0].verb, "open");
    EXPECT_EQ(w.world.shell.launches[1].file, "C:\\ORVANE\\Doc\\Contents.htm");

    // A browser that does not start is told, and the choice still closes.
    w.world.messages.shown.clear();
    w.world.faults.Add(Fault::Execute, "C:\\ORVANE\\Doc\\Contents.htm");
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        d.Click(helpchoice::IdcLocal);
        EXPECT_EQ(d.Result(), win::IdOk);
    });
    w.host.Command(IdHelpContents);
    EXPECT_EQ(w.Shown(), (Shown{{"Error 2 launching default browser.\n\nThe page is C:\\ORVANE\\Doc\\Contents.htm", win::MbOk}}));
}

TEST(ConfigDialogs, AboutShowsTheVersionAndStaysOpenAfterTheWebSite) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());
    w.host.ScriptChild([&](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Caption(), "Orvane v1.0");
        EXPECT_EQ(d.Static(about::IdcPicture).Bitmap(), 172);
        EXPECT_EQ(d.Button(about::IdcWebSite).Text(), kWebSite);
        d.Click(about::IdcWebSite);
        EXPECT_FALSE(d.HasEnded());
        w.world.faults.Add(Fault::Execute, kWebSite);
        w.world.shell.failure = 32;
        d.Click(about::IdcWebSite);
        d.Click(win::IdOk);
    });
    w.host.Command(IdHelpAbout);
    ASSERT_EQ(w.world.shell.launches.size(), 2u);
    EXPECT_EQ(w.world.shell.launches[0].file, "http://www.orvane.example");
    EXPECT_EQ(w.Shown(), (Shown{{"Error 32 launching default browser.", win::MbOk}}));
}

// A tick of the polling timer that comes while a child dialog is open waits
// until it is closed, as it does for a box.
TEST(ConfigDialogs, ThePollingWaitsWhileAChildDialogIsOpen) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());
    w.host.Command(IdFileNew);
    EXPECT_TRUE(w.Shown().empty()) << "the wizard is found in the Windows directory";
    w.host.ScriptChild([&](HeadlessDialogHost&) {
        w.AddManaged({"New"});
        w.host.Tick();
        EXPECT_TRUE(w.Rows(IdcManagerList).empty());
    });
    w.host.Command(IdHelpAbout);
    w.host.Tick();
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"New"}));
}
