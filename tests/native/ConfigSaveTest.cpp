// The ways out of the configuration program against what each one writes:
// Orvane.ini, the runner's Run value and the directory order.
#include <gtest/gtest.h>

#include "tests/native/Conservation.h"

using namespace config;

namespace {

using Names = std::vector<std::string>;
const ShownMessage SavePrompt{"Do you want to save changes before exiting?", win::MbYesNo | win::MbIconStop};
// A line naming no item: gone after a save, kept by every other ending.
const std::string OldIni = "\"A\", \"\", \"\"\r\n\"B\", \"Run\", \"5\"\r\n\"Gone\", \"Startup\", \"9\"\r\n";
const std::string SavedIni = "\"A\", \"\", \"\"\r\n\"B\", \"Run\", \"5\"\r\n";
const std::string MovedIni = "\"B\", \"Run\", \"5\"\r\n\"A\", \"\", \"\"\r\n";

enum class Ending { Close, CloseAdvanced, Enter, TitleBar, Exit, Escape };

// A manager with A and B, the Run value pointing elsewhere, and B moved up
// when changed.
struct Session {
    ConfigWorld w;
    explicit Session(bool changed) {
        w.AddManaged({"A", "B"});
        w.WriteIni(OldIni);
        w.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Orvane", "C:\\OLD\\Orvane.exe");
        EXPECT_TRUE(w.host.Open());
        if (changed) {
            w.host.ClickRow(IdcManagerList, 1);
            w.host.Click(IdcManagerUp);
        }
    }
    void End(Ending ending) {
        switch (ending) {
        case Ending::Close: w.host.Click(IdcClose); break;
        case Ending::CloseAdvanced: w.host.Click(IdcAdvanced); w.host.Click(IdcCloseAdvanced); break;
        case Ending::Enter: w.host.KeyDown(IdcClose, win::VkReturn); break;  // off the lists
        case Ending::TitleBar: w.host.Close(); break;
        case Ending::Exit: w.host.Command(IdAppExit); break;
        case Ending::Escape: w.host.KeyDown(IdcManagerList, win::VkEscape); break;
        }
    }
    std::string Ini() { return w.world.files.Contents(ConfigWorld::Ini); }
};

}  // namespace

TEST(ConfigSave, EveryCloseButtonSavesInFullWhateverTheFlags) {
    for (Ending ending : {Ending::Close, Ending::CloseAdvanced, Ending::Enter}) {
        Session unchanged(false);
        unchanged.End(ending);
        EXPECT_EQ(unchanged.w.host.Result(), win::IdOk);
        EXPECT_TRUE(unchanged.w.Shown().empty());
        EXPECT_EQ(unchanged.Ini(), SavedIni);
        EXPECT_EQ(unchanged.w.RunValue(), "C:\\ORVANE\\Orvane.exe");

        Session changed(true);
        changed.End(ending);
        EXPECT_EQ(changed.Ini(), MovedIni);
        EXPECT_EQ(changed.w.Entries(ConfigWorld::Manager), (Names{"B.lnk", "A.lnk"}));
    }
}

TEST(ConfigSave, ClosingTheWindowWithoutChangesOnlyBringsTheRunValueInLine) {
    for (Ending ending : {Ending::TitleBar, Ending::Exit}) {
        Session s(false);
        s.End(ending);
        EXPECT_TRUE(s.w.Shown().empty());
        EXPECT_EQ(s.w.host.Result(), win::IdCancel);
        EXPECT_EQ(s.Ini(), OldIni);
        EXPECT_EQ(s.w.RunValue(), "C:\\ORVANE\\Orvane.exe");
    }
}

TEST(ConfigSave, ClosingTheWindowAfterChangesAsks) {
    for (Ending ending : {Ending::TitleBar, Ending::Exit}) {
        Session yes(true);
        yes.w.world.messages.Answer(win::IdYes);
        yes.End(ending);
        EXPECT_EQ(yes.w.Shown(), (std::vector<ShownMessage>{SavePrompt}));
        EXPECT_EQ(yes.w.host.Result(), win::IdOk);
        EXPECT_EQ(yes.Ini(), MovedIni);
        EXPECT_EQ(yes.w.Entries(ConfigWorld::Manager), (Names{"B.lnk", "A.lnk"}));
        EXPECT_EQ(yes.w.RunValue(), "C:\\ORVANE\\Orvane.exe");

        Session no(true);
        no.w.world.messages.Answer(win::IdNo);
        no.End(ending);
        EXPECT_EQ(no.w.Shown(), (std::vector<ShownMessage>{SavePrompt}));
        EXPECT_EQ(no.w.host.Result(), win::IdCancel);
        EXPECT_EQ(no.Ini(), OldIni);
        EXPECT_EQ(no.w.Entries(ConfigWorld::Manager), (Names{"A.lnk", "B.lnk"}));
        EXPECT_FALSE(no.w.world.files.Exists("C:\\ORVANE\\Roc"));
        EXPECT_EQ(no.w.RunValue(), "C:\\ORVANE\\Orvane.exe");
    }
}

TEST(ConfigSave, EscapeAsksAboutChangesAndNoSavesNothingButTheRunValue) {
    const std::vector<ShownMessage> asked{{"Do you want to save changes before exiting?", win::MbYesNoCancel | win::MbIconStop}};
    Session stay(true);
    stay.w.world.messages.Answer(win::IdCancel);
    stay.End(Ending::Escape);
    EXPECT_EQ(stay.w.Shown(), asked);
    EXPECT_FALSE(stay.w.host.HasEnded());
    stay.w.world.messages.Answer(win::IdYes);
    stay.End(Ending::Escape);
    EXPECT_EQ(stay.w.host.Result(), win::IdOk);
    EXPECT_NE(stay.Ini(), OldIni);

    Session s(true);
    s.w.world.messages.Answer(win::IdNo);
    s.End(Ending::Escape);
    EXPECT_EQ(s.w.Shown(), asked);
    EXPECT_EQ(s.w.host.Result(), win::IdCancel);
    EXPECT_EQ(s.Ini(), OldIni);
    EXPECT_EQ(s.w.Entries(ConfigWorld::Manager), (Names{"A.lnk", "B.lnk"}));
    EXPECT_EQ(s.w.RunValue(), "C:\\ORVANE\\Orvane.exe");

    // Without changes it ends at once.
    Session same(false);
    same.End(Ending::Escape);
    EXPECT_TRUE(same.w.Shown().empty());
    EXPECT_EQ(same.w.host.Result(), win::IdCancel);

    // With the manager emptied from outside the value goes, so Windows
    // does not start a runner with nothing to run.
    ConfigWorld empty;
    empty.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Orvane", "C:\\ORVANE\\Orvane.exe");
    ASSERT_TRUE(empty.host.Open());
    empty.host.Escape();
    EXPECT_FALSE(empty.RunValueSet());
    EXPECT_TRUE(empty.Shown().empty());
}

TEST(ConfigSave, AnEmptyManagerEmptiesTheFileAndRemovesTheRunValue) {
    ConfigWorld w;
    w.WriteIni(OldIni);
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Orvane", "C:\\ORVANE\\Orvane.exe");
    w.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Orvane", "C:\\ORVANE\\Orvane.exe");
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Tray", "TRAY.EXE");
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcClose);
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini), "");
    EXPECT_FALSE(w.RunValueSet());  // the user's entry and an older one of the machine's alike
    EXPECT_FALSE(w.world.registry.HasValue(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Orvane"));
    EXPECT_TRUE(w.world.registry.HasValue(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Tray"));

    // No value to remove, or no key at all, is no error.
    ConfigWorld bare;
    ASSERT_TRUE(bare.host.Open());
    bare.world.faults.Add(Fault::RegistryOpen, ConfigWorld::RunKey);
    bare.host.Click(IdcClose);
    EXPECT_TRUE(bare.Shown().empty());
}

// The record is read again at a save only for the places the lists could
// not read, each of which keeps its entries once.
TEST(ConfigSave, PlacesThatCouldNotBeReadKeepTheirRecordOnce) {
    ConfigWorld w;
    w.UseEveryPlace();
    w.world.files.AddFile("C:\\ORVANE\\Orvane.seen", "AllStartup\tseen\tA.lnk\r\nServices\tnew\tB\r\nRun\tseen\tGone\r\n");
    w.world.faults.Add(Fault::Find, std::string(ConfigWorld::CommonStartup) + "*.*");
    w.world.registry.CreateKey(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey);
    w.world.faults.Add(Fault::RegistryOpen, ConfigWorld::RunServicesKey);
    w.world.faults.Add(Fault::RegistryCreate, ConfigWorld::RunServicesKey);
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcClose);
    EXPECT_EQ(w.world.files.Contents("C:\\ORVANE\\Orvane.seen"), "AllStartup\tseen\tA.lnk\r\nServices\tnew\tB\r\n");
}

TEST(ConfigSave, ARunnerPathWithBlanksIsQuoted) {
    ConfigWorld w("C:\\Program Files\\Orvane\\OrvaneConfig.exe");
    w.world.files.AddFile("C:\\Program Files\\Orvane\\Startup\\A.lnk");
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcClose);
    EXPECT_EQ(w.RunValue(), "\"C:\\Program Files\\Orvane\\Orvane.exe\"");
    const RegistryValue value = w.world.registry.Value(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Orvane");
    EXPECT_EQ(value.type, win::RegSz);
}

// The runner's entry is the user's; one an older version left in the
// machine's key moves, and where it cannot, the user hears it once.
TEST(ConfigSave, TheRunnersEntryMovesToTheUsersKeyOrIsToldOnceToStay) {
    const std::string told = std::string("Orvane's start-up entry is now in HKEY_CURRENT_USER\\") + ConfigWorld::RunKey +
                             ".\n\nAn older one in HKEY_LOCAL_MACHINE\\" + ConfigWorld::RunKey +
                             " could not be removed: only an administrator can.  Windows may start Orvane twice; it "
                             "launches each item once.";
    for (bool removable : {true, false}) {
        ConfigWorld w;
        w.AddManaged({"A"});
        w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Orvane", "C:\\OLD\\Orvane.exe");
        if (!removable) w.world.faults.Add(Fault::RegistryDelete, "Orvane");
        for (int session = 0; session < 2; ++session) {
            w.world.messages.shown.clear();
            CConfigDlg dialog(w.platform, w.profile);
            HeadlessDialogHost host(dialog);
            ASSERT_TRUE(host.Open());
            host.Click(IdcClose);
            EXPECT_EQ(w.RunValue(), "C:\\ORVANE\\Orvane.exe");
            EXPECT_EQ(w.world.registry.HasValue(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Orvane"), !removable);
            EXPECT_EQ(w.Shown(), session == 0 && !removable ? (std::vector<ShownMessage>{{told, win::MbIconInformation}})
                                                            : std::vector<ShownMessage>{});
        }
    }
}

TEST(ConfigSave, ARunValueThatCannotBeSetIsReportedAndTheSaveGoesOn) {
    Session s(true);
    s.w.world.faults.Add(Fault::RegistrySet, "Orvane");
    s.End(Ending::Close);
    EXPECT_EQ(s.w.Shown(), (std::vector<ShownMessage>{
                               {"Could not enable Orvane program.\n"
                                "Error accessing HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                win::MbIconExclamation}}));
    EXPECT_EQ(s.Ini(), MovedIni);
    EXPECT_EQ(s.w.Entries(ConfigWorld::Manager), (Names{"B.lnk", "A.lnk"}));
    EXPECT_EQ(s.w.host.Result(), win::IdOk);

    // The close without saving reports it once too.
    Session closing(false);
    closing.w.world.faults.Add(Fault::RegistrySet, "Orvane");
    closing.End(Ending::TitleBar);
    EXPECT_EQ(closing.w.Shown().size(), 1u);
}

TEST(ConfigSave, AManagerFileThatCannotBeWrittenKeepsItsContentsAndTheReorderStillRuns) {
    Session s(true);
    s.w.world.faults.Add(Fault::Open, "C:\\ORVANE\\Orvane.ini.new");
    s.End(Ending::Close);
    EXPECT_EQ(s.w.Shown(), (std::vector<ShownMessage>{
                               {"Error opening C:\\ORVANE\\Orvane.ini\nManager information could not be saved.",
                                win::MbIconExclamation}}));
    s.w.world.faults.Clear();
    EXPECT_EQ(s.Ini(), OldIni);
    EXPECT_EQ(s.w.Entries(ConfigWorld::Manager), (Names{"B.lnk", "A.lnk"}));
    EXPECT_EQ(s.w.host.Result(), win::IdOk);
}

// One item moved by each route marks the session changed, and the save puts
// the manager directory in the order of its rows.
TEST(ConfigSave, EachMoveOfASingleItemIsSavedAfterTheQuestionInTheOrderOfTheRows) {
    struct Route {
        const char* name;
        int list;
        int row;
        int button;  // 0: the Delete key, answered Yes
    } const routes[] = {
        {"ADD", IdcStartupList, 0, IdcAdd},
        {"REMOVE", IdcManagerList, 1, IdcRemove},
        {"<-- Add", IdcRunList, 0, IdcRegistryAdd},
        {"Remove -->", IdcManagerList, 0, IdcRegistryRemove},
        {"Delete in the Run list", IdcRunList, 0, 0},
    };
    for (const Route& route : routes) {
        ConfigWorld w;
        AddShortcut(w, std::string(ConfigWorld::Manager) + "Q.lnk", "C:\\Q.EXE", "");
        w.AddManaged({"A", "B"});
        w.AddStartup({"S"});
        w.WriteIni("\"Q\", \"Run\", \"\"\r\n");
        w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "R", "C:\\R.EXE -r");
        ASSERT_TRUE(w.host.Open());
        w.host.Click(IdcAdvanced);
        w.host.ClickRow(route.list, route.row);
        w.world.messages.questionAnswer = win::IdYes;
        if (route.button != 0)
            w.host.Click(route.button);
        else
            w.host.KeyDown(route.list, win::VkDelete);
        const Names rows = w.Rows(IdcManagerList);
        EXPECT_EQ(rows.size(), route.list == IdcManagerList ? 2u : route.button == 0 ? 3u : 4u) << route.name;
        w.world.messages.shown.clear();
        w.host.Close();
        EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{SavePrompt})) << route.name;
        Names files, lines;
        for (const std::string& row : rows) files.push_back(row + ".lnk");
        EXPECT_EQ(w.Entries(ConfigWorld::Manager), files) << route.name;
        const std::string ini = w.world.files.Contents(ConfigWorld::Ini);
        for (std::string::size_type at = 0; at < ini.size(); at = ini.find('\n', at) + 1)
            lines.push_back(ini.substr(at + 1, ini.find('"', at + 1) - at - 1));
        EXPECT_EQ(lines, rows) << route.name;
    }
}

TEST(ConfigSave, AFileAnOlderVersionWroteInAnsiIsReadInItAndSavedInUtf8) {
    const std::string ansi = "\"Na\xEFve \x80\", \"Run\", \"7\"\r\n";  // code page 1252: ï €
    for (bool systemFollowsManifest : {true, false}) {
        ConfigWorld w;
        w.world.files.ansiCodePage = !systemFollowsManifest;
        w.AddManaged({systemFollowsManifest ? "Na\xC3\xAFve \xE2\x82\xAC" : "Na\xEFve \x80", "Plain"});
        w.WriteIni(ansi);
        ASSERT_TRUE(w.host.Open());
        w.host.Click(IdcClose);
        // Where the programs run in ANSI, their file stays as it was.
        EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
                  (systemFollowsManifest ? "\"Na\xC3\xAFve \xE2\x82\xAC\", \"Run\", \"7\"\r\n" : ansi) +
                      "\"Plain\", \"\", \"\"\r\n");
    }
}
