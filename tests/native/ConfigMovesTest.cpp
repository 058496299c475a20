// ADD, REMOVE, "<-- Add" and "Remove -->": what moves where, what the rows
// record, and what the user is told when a move stops.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/Shortcuts.h"
#include "config/dialogs/RegLocationDlg.h"
#include "config/dialogs/RegLocationIds.h"
#include "tests/native/Conservation.h"

using namespace config;

namespace {

using Names = std::vector<std::string>;
const std::string SourceLoss =
    "This item was originally from a registry list.  If it is moved\n"
    "out of the manager, then its source information will be lost.\n\n"
    "Do you want to remove it anyway?";
constexpr unsigned Question = win::MbYesNoCancel | win::MbIconQuestion;

std::string RunData(ConfigWorld& w, const char* key, const std::string& name) {
    return w.world.registry.Value(RegistryRoot::LocalMachine, key, name).Text();
}

void OpenAdvanced(ConfigWorld& w) {
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
}

}  // namespace

TEST(ConfigMoves, AddAndRemoveCarryFilesTopRowFirstAndRecordTheSource) {
    ConfigWorld w;
    w.AddStartup({"A", "B", "C", "D"});
    w.AddManaged({"Run item", "Plain"});
    w.WriteIni("\"Run item\", \"Run\", \"5\"\r\n");
    ASSERT_TRUE(w.host.Open());

    for (int row : {0, 1, 3}) w.host.ClickRow(IdcStartupList, row, true);
    w.host.Click(IdcAdd);
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Run item", "Plain", "A", "B", "D"}));
    EXPECT_EQ(w.List(IdcManagerList).ItemText(4, 1), "Startup");
    EXPECT_EQ(w.List(IdcManagerList).ItemText(4, 2), "");
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"C"}));
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"Run item.lnk", "Plain.lnk", "A.lnk", "B.lnk", "D.lnk"}));
    EXPECT_EQ(w.dialog.GetItemPath(IdcManagerList, 4), "C:\\ORVANE\\Startup\\D.lnk");
    EXPECT_EQ(w.dialog.GetItemPath(IdcManagerList, -1), "");

    // A row from a registry list asks first; No keeps it and every row after it.
    w.host.ClickRow(IdcManagerList, 0);
    w.host.ClickRow(IdcManagerList, 1, true);
    w.world.messages.Answer(win::IdNo);
    w.host.Click(IdcRemove);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{SourceLoss, Question}}));
    EXPECT_EQ(w.Rows(IdcManagerList).size(), 5u);
    w.world.messages.Answer(win::IdYes);
    w.host.Click(IdcRemove);
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"A", "B", "D"}));
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"C", "Run item", "Plain"}));
    EXPECT_EQ(w.dialog.GetItemPath(IdcStartupList, 2), std::string(ConfigWorld::StartupFolder) + "Plain.lnk");

    // Back in the Startup list, a row belongs to its folder: taken in again, it is marked from there.
    w.host.ClickRow(IdcStartupList, 2);
    w.host.Click(IdcAdd);
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"A", "B", "D", "Plain"}));
    EXPECT_EQ(w.List(IdcManagerList).ItemText(3, 1), "Startup");
}

TEST(ConfigMoves, AFileThatCannotMoveStopsTheCommandWithItsPath) {
    ConfigWorld w;
    w.AddStartup({"A", "B", "C"});
    w.world.files.SetAttributes(std::string(ConfigWorld::StartupFolder) + "B.lnk", win::FileAttributeReadOnly);
    w.AddManaged({"C"});
    ASSERT_TRUE(w.host.Open());
    for (int row = 0; row < 3; ++row) w.host.ClickRow(IdcStartupList, row, true);
    w.host.Click(IdcAdd);
    const std::string path = std::string(ConfigWorld::StartupFolder) + "B.lnk";
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{
                             {path + "\nThis file could not be moved.\n\n" + ConfigWorld::Advice, win::MbIconExclamation}}));
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"B", "C"}));
    EXPECT_TRUE(w.List(IdcStartupList).IsSelected(0));
    EXPECT_TRUE(w.List(IdcStartupList).IsSelected(1));

    // Unblocked, the next press asks before replacing C; No stops with the same message.
    w.world.files.SetAttributes(path, win::FileAttributeArchive);
    w.world.messages.shown.clear();
    w.world.messages.Answer(win::IdNo);
    w.host.Click(IdcAdd);
    for (auto& m : w.Shown()) std::cerr << m.text << "\n---\n";
    ASSERT_EQ(w.Shown().size(), 2u);
    EXPECT_EQ(w.Shown()[0].text, "C:\\ORVANE\\Startup\\C.lnk\nThis file already exists.\n\nReplace existing file?");
    EXPECT_EQ(w.Shown()[1].text, std::string(ConfigWorld::StartupFolder) + "C.lnk\nThis file could not be moved.\n\n" + ConfigWorld::Advice);
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"C"}));

    // Nothing selected: nothing moves, but closing asks whether to save.
    for (int button : {IdcAdd, IdcRemove}) {
        ConfigWorld idle;
        ASSERT_TRUE(idle.host.Open());
        idle.host.Click(button);
        EXPECT_TRUE(idle.CloseAsksToSave());
    }
}

TEST(ConfigMoves, RegistryValuesBecomeShortcutsAtTheTopAndGoBackAsTheSameCommand) {
    ConfigWorld w;
    MemoryRegistry& reg = w.world.registry;
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Mail", "\"C:\\Program Files\\Mail\\mail.exe\" -check");
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Bare", "C:\\BIN\\BARE.EXE");
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey, "Svc", "C:\\BIN\\SVC.EXE /s");
    w.AddManaged({"Bare"});
    OpenAdvanced(w);

    w.host.ClickRow(IdcRunList, 0);
    w.host.ClickRow(IdcRunList, 1, true);
    w.host.Click(IdcRegistryAdd);
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Mail", "Bare (2)", "Bare"}));  // in their order, at the top
    EXPECT_EQ(w.List(IdcManagerList).ItemText(0, 1), "Run");
    EXPECT_TRUE(w.Rows(IdcRunList).empty());
    EXPECT_EQ(w.Rows(IdcRunServicesList), (Names{"Svc"}));
    EXPECT_FALSE(reg.HasValue(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Mail"));

    // Source "Run" goes back to the Run key without a question, the program
    // path with its blank kept whole; the counter's name is the value's.
    w.host.ClickRow(IdcManagerList, 0);
    w.host.ClickRow(IdcManagerList, 1, true);
    w.host.Click(IdcRegistryRemove);
    EXPECT_TRUE(w.Shown().empty());
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "Mail"), "\"C:\\Program Files\\Mail\\mail.exe\" -check");
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "Bare (2)"), "C:\\BIN\\BARE.EXE ");
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Mail", "Bare (2)"}));
    EXPECT_EQ(w.dialog.GetItemPath(IdcRunList, 0), "\"C:\\Program Files\\Mail\\mail.exe\" -check");
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"Bare.lnk"}));
    EXPECT_TRUE(w.CloseAsksToSave());
}

TEST(ConfigMoves, RegistryAddStopsAtTheSystrayQuestionAndUndoesAShortcutWhoseValueStays) {
    ConfigWorld w;
    MemoryRegistry& reg = w.world.registry;
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Tray", "C:\\WINDOWS\\SysTray.Exe");
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Held", "C:\\HELD.EXE");
    OpenAdvanced(w);
    w.host.ClickRow(IdcRunList, 0);
    w.host.ClickRow(IdcRunList, 1, true);
    w.host.Click(IdcRegistryAdd);  // the question unanswered: No
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"The system tray belongs in the Registry's Run list.\n"
                                                     "It is not recommended that it be moved from there.\n\n"
                                                     "Do you want to remove it anyway?",
                                                     Question}}));
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Tray", "Held"}));

    w.world.messages.shown.clear();
    w.host.ClickRow(IdcRunList, 1);
    w.world.faults.Add(Fault::RegistryDelete, "Held");
    w.host.Click(IdcRegistryAdd);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"Held\n\nThis registry key could not be deleted.", win::MbIconExclamation}}));
    EXPECT_TRUE(w.Entries(ConfigWorld::Manager).empty());
    EXPECT_TRUE(w.Rows(IdcManagerList).empty());

    // The shortcut could not be removed again either: the message says where both are.
    w.world.messages.shown.clear();
    w.world.faults.Add(Fault::Remove, "C:\\ORVANE\\Startup\\Held.lnk");
    w.host.Click(IdcRegistryAdd);
    ASSERT_EQ(w.Shown().size(), 1u);
    EXPECT_EQ(w.Shown()[0].text, "Held\n\nThis registry key could not be deleted.\n\nIts shortcut "
                                 "C:\\ORVANE\\Startup\\Held.lnk could not be removed again.  Delete one of the two.");

    w.world.faults.Clear();
    w.world.messages.shown.clear();
    w.world.faults.Add(Fault::LinkSave);
    w.host.ClickRow(IdcRunList, 1);
    w.host.Click(IdcRegistryAdd);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"Held\n\nThere was an error creating this shortcut in this "
                                                     "directory\nC:\\ORVANE\\Startup\\",
                                                     win::MbIconExclamation}}));
}

TEST(ConfigMoves, AValueNameNeverLeadsItsShortcutOutOfTheManagerDirectory) {
    ConfigWorld w;
    MemoryRegistry& reg = w.world.registry;
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "..\\..\\x", "C:\\X.EXE");
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "a:b*c?\"<>|/", "C:\\Y.EXE");
    reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, " . .", "C:\\Z.EXE");
    OpenAdvanced(w);
    for (int row = 0; row < 3; ++row) w.host.ClickRow(IdcRunList, row, true);
    w.host.Click(IdcRegistryAdd);
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{".._.._x.lnk", "a_b_c______.lnk", "Unnamed.lnk"}));
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{".._.._x", "a_b_c______", "Unnamed"}));
    EXPECT_FALSE(w.world.files.Exists("C:\\x.lnk"));
}

// What Windows reads in its own way: a program without its extension is the
// first word of the line, and a device's name is no file.
TEST(ConfigMoves, CommandsAndNamesWindowsReadsItsOwnWayComeBackAsTheyWent) {
    ConfigWorld w;
    MemoryRegistry& reg = w.world.registry;
    w.world.files.AddFile("C:\\Program Files\\Tool\\tool.exe", "MZ");
    w.world.files.AddFile("C:\\WINDOWS\\SYSTEM\\RUNDLL32.EXE", "MZ");
    const std::vector<std::pair<std::string, std::string>> values = {
        {"Dll", "RUNDLL32 C:\\WINDOWS\\SYSTEM\\X.DLL,Entry"},
        {"Dll more", "  toolkit X.DLL,Entry two"},
        {"Tool", "C:\\Program Files\\Tool\\tool /q"},
        {"NUL", "C:\\N.EXE"},
        {"com1.txt", "C:\\C.EXE"},
        {"Lpt9 ", "C:\\L.EXE"},
        {"Con (2)", "C:\\K.EXE"},
    };
    for (const auto& value : values) reg.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, value.first, value.second);
    OpenAdvanced(w);
    for (int row = 0; row < 7; ++row) w.host.ClickRow(IdcRunList, row, true);
    w.host.Click(IdcRegistryAdd);
    EXPECT_TRUE(w.Shown().empty());
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{"Dll.lnk", "Dll more.lnk", "Tool.lnk", "_NUL.lnk", "_com1.txt.lnk",
                                                      "_Lpt9 .lnk", "Con (2).lnk"}));
    std::string target, arguments, directory, description;
    ASSERT_TRUE(ReadShortcut(w.world.links, w.world.messages, std::string(ConfigWorld::Manager) + "Dll.lnk", target,
                             arguments, directory, description));
    EXPECT_EQ(target + "|" + arguments + "|" + directory,
              "C:\\WINDOWS\\SYSTEM\\RUNDLL32.exe|C:\\WINDOWS\\SYSTEM\\X.DLL,Entry|C:\\WINDOWS\\SYSTEM");

    for (int row = 0; row < 7; ++row) w.host.ClickRow(IdcManagerList, row, row > 0);
    w.host.Click(IdcRegistryRemove);
    EXPECT_TRUE(w.Shown().empty());
    // Named by its full path when it is on the search path, as it was otherwise.
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "Dll"), "C:\\WINDOWS\\SYSTEM\\RUNDLL32.exe C:\\WINDOWS\\SYSTEM\\X.DLL,Entry");
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "Dll more"), "toolkit X.DLL,Entry two");
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "Tool"), "\"C:\\Program Files\\Tool\\tool\" /q");
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "_NUL"), "C:\\N.EXE ");
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "_com1.txt"), "C:\\C.EXE ");
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "_Lpt9 "), "C:\\L.EXE ");
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, "Con (2)"), "C:\\K.EXE ");
}

TEST(ConfigMoves, RegistryRemoveAsksWhereAnUnmarkedShortcutGoesAndWhetherToReplace) {
    ConfigWorld w;
    AddShortcut(w, "C:\\ORVANE\\Startup\\Plain.lnk", "C:\\P.EXE", "-p");
    AddShortcut(w, "C:\\ORVANE\\Startup\\Lower.lnk", "C:\\L.EXE", "");
    w.world.files.AddFile("C:\\ORVANE\\Startup\\Prog.exe", "MZ");
    w.WriteIni("\"Plain\", \"\", \"\"\r\n\"Lower\", \"run\", \"\"\r\n");
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey, "plain", "C:\\OTHER.EXE");
    OpenAdvanced(w);

    // The dialog opens with Run chosen; RunServices is picked; the value there is replaced only after Yes.
    std::string shownName;
    int runChecked = -1;
    std::string caption;
    w.host.ScriptChild([&](HeadlessDialogHost& child) {
        caption = child.Caption();
        shownName = child.Static(reglocation::IdcItemName).Text();
        runChecked = child.Button(reglocation::IdcRadioRun).Check();
        child.Click(reglocation::IdcRadioRunServices);
        child.Click(win::IdOk);
    });
    w.world.messages.Answer(win::IdNo);
    w.host.ClickRow(IdcManagerList, 0);
    w.host.Click(IdcRegistryRemove);
    EXPECT_EQ(caption, "Registry Location");
    EXPECT_EQ(shownName, "Plain");
    EXPECT_EQ(runChecked, 1);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"Plain\n\nA registry value of this name already exists in the "
                                                     "RunServices list.\nReplace it?",
                                                     win::MbYesNo | win::MbIconQuestion}}));
    EXPECT_EQ(RunData(w, ConfigWorld::RunServicesKey, "plain"), "C:\\OTHER.EXE");
    EXPECT_EQ(w.Rows(IdcManagerList).size(), 3u);
    EXPECT_EQ(w.host.ChildCount(), 1);  // the stop asks nothing more

    w.host.ScriptChild([](HeadlessDialogHost& child) {
        child.Click(reglocation::IdcRadioRunServices);
        child.Click(win::IdOk);
    });
    w.world.messages.Answer(win::IdYes);
    w.host.Click(IdcRegistryRemove);
    EXPECT_EQ(RunData(w, ConfigWorld::RunServicesKey, "Plain"), "C:\\P.EXE -p");
    EXPECT_EQ(w.Rows(IdcRunServicesList), (Names{"Plain"}));  // the replaced value's row is gone

    // A lower-case "run" is no Source: the dialog opens, and Cancel changes nothing.
    w.host.ClickRow(IdcManagerList, 0);
    w.host.Click(IdcRegistryRemove);
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Lower", "Prog"}));

    // A file that is no shortcut stops before any question.
    w.world.messages.shown.clear();
    w.host.ClickRow(IdcManagerList, 1);
    w.host.Click(IdcRegistryRemove);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{
                             {"Prog\n\nThis file is not a shortcut.  It cannot be moved to the registry.",
                              win::MbIconExclamation}}));
}

TEST(ConfigMoves, AShortcutThatCannotBeDeletedAfterItsValueWasWrittenIsToldAndListedInTheRegistry) {
    ConfigWorld w;
    AddShortcut(w, "C:\\ORVANE\\Startup\\Mail.lnk", "C:\\MAIL.EXE", "");
    AddShortcut(w, "C:\\ORVANE\\Startup\\News.lnk", "C:\\NEWS.EXE", "");
    w.world.files.SetAttributes("C:\\ORVANE\\Startup\\Mail.lnk", win::FileAttributeReadOnly);
    w.WriteIni("\"Mail\", \"Run\", \"\"\r\n\"News\", \"Run\", \"\"\r\n");
    OpenAdvanced(w);
    w.host.ClickRow(IdcManagerList, 0);
    w.host.ClickRow(IdcManagerList, 1, true);
    w.host.Click(IdcRegistryRemove);
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{{"Mail\nThis shortcut could not be deleted.\n\n"
                                                     "Since this shortcut has already been moved to the registry,\n"
                                                     "this shortcut should now be deleted manually.",
                                                     win::MbIconExclamation}}));
    EXPECT_EQ(w.Rows(IdcRunList), (Names{"Mail"}));
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"News"}));  // the stop keeps the next item
    w.host.Command(IdViewRefresh);
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"News", "Mail"}));  // what was left joins at the end
}

TEST(ConfigMoves, AnItemNamedLikeTheRunnersOwnValueNeverTakesIt) {
    ConfigWorld w;
    AddShortcut(w, "C:\\ORVANE\\Startup\\Orvane.lnk", "C:\\TOOLS\\ORVANE.EXE", "");
    w.WriteIni("\"Orvane\", \"Run\", \"\"\r\n");
    OpenAdvanced(w);
    w.host.ClickRow(IdcManagerList, 0);
    w.host.Click(IdcRegistryRemove);
    const ShownMessage refused{"Orvane\n\nThe Run list keeps this name for Orvane's own start-up entry.  "
                               "Rename the item before moving it to the registry.",
                               win::MbIconExclamation};
    EXPECT_EQ(w.Shown(), (std::vector<ShownMessage>{refused}));
    w.world.messages.Answer(win::IdYes);
    w.host.Command(IdFileRestore);
    EXPECT_EQ(w.Shown().back(), (ShownMessage{"Not all files were moved.\n\n" + ConfigWorld::Advice, win::MbIconExclamation}));
    EXPECT_EQ(w.Rows(IdcManagerList), (Names{"Orvane"}));
    EXPECT_FALSE(w.world.registry.HasValue(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Orvane"));
    EXPECT_TRUE(w.world.files.Exists("C:\\ORVANE\\Startup\\Orvane.lnk"));
}

TEST(ConfigMoves, TheWindowsStartupFolderIsTheUsersAsTheShellNamesIt) {
    const char* ShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    ConfigWorld w;
    w.world.files.AddDirectory("C:\\Users\\ann\\Startup");
    w.world.files.AddFile("C:\\Users\\ann\\Startup\\Clock.lnk");
    w.world.registry.SetString(RegistryRoot::CurrentUser, ShellFolders, "Startup", "C:\\Users\\ann\\Startup");
    ASSERT_TRUE(w.host.Open());
    EXPECT_EQ(w.Rows(IdcStartupList), (Names{"Clock"}));
    EXPECT_EQ(w.dialog.GetItemPath(IdcStartupList, 0), "C:\\Users\\ann\\Startup\\Clock.lnk");

    // A file of that name is no folder: the Windows directory's.
    ConfigWorld file;
    file.AddStartup({"Old"});
    file.world.files.AddFile("C:\\Users\\ann\\Startup", "a file");
    file.world.registry.SetString(RegistryRoot::CurrentUser, ShellFolders, "Startup", "C:\\Users\\ann\\Startup");
    ASSERT_TRUE(file.host.Open());
    EXPECT_EQ(file.Rows(IdcStartupList), (Names{"Old"}));

    // A folder that is not there: the Windows directory's.
    ConfigWorld gone;
    gone.AddStartup({"Old"});
    gone.world.registry.SetString(RegistryRoot::CurrentUser, ShellFolders, "Startup", "C:\\Users\\gone\\Startup\\");
    ASSERT_TRUE(gone.host.Open());
    EXPECT_EQ(gone.Rows(IdcStartupList), (Names{"Old"}));
}

TEST(ConfigMoves, NamesInAnyScriptGoAndComeBackExactlyAndMeetTheirCapitalTwins) {
    ConfigWorld w;
    const std::string privet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";  // Привет
    const std::string tokyo = "\xE6\x9D\xB1\xE4\xBA\xAC Sync";                      // 東京 Sync
    const std::string hellas = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCF\x82";          // Ελλάς
    const std::string command = "C:\\\xCE\xA3\\app.exe /\xC3\xBC";
    w.AddStartup({privet, tokyo});
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, hellas, command);
    OpenAdvanced(w);
    w.host.ClickRow(IdcStartupList, 0);
    w.host.ClickRow(IdcStartupList, 1, true);
    w.host.Click(IdcAdd);
    w.host.ClickRow(IdcRunList, 0);
    w.host.Click(IdcRegistryAdd);
    EXPECT_TRUE(w.Shown().empty());
    EXPECT_EQ(w.Entries(ConfigWorld::Manager), (Names{privet + ".lnk", tokyo + ".lnk", hellas + ".lnk"}));

    // Windows matches names without case in every script: a capital twin
    // that appeared meanwhile is the same name.
    const std::string capitalPrivet = "\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2.lnk";
    w.world.files.AddFile(ConfigWorld::StartupFolder + capitalPrivet);
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "\xCE\x95\xCE\x9B\xCE\x9B\xCE\x86\xCE\xA3", "x");
    w.world.messages.questionAnswer = win::IdYes;
    const auto row = [&](const std::string& name) {
        const Names rows = w.Rows(IdcManagerList);
        return static_cast<int>(std::find(rows.begin(), rows.end(), name) - rows.begin());
    };
    w.host.ClickRow(IdcManagerList, row(privet));
    w.host.ClickRow(IdcManagerList, row(tokyo), true);
    w.host.Click(IdcRemove);
    w.host.ClickRow(IdcManagerList, row(hellas));
    w.host.Click(IdcRegistryRemove);
    ASSERT_EQ(w.Shown().size(), 2u);
    EXPECT_EQ(w.Shown()[0].text.substr(0, w.Shown()[0].text.find('\n')), ConfigWorld::StartupFolder + privet + ".lnk");
    EXPECT_EQ(w.Shown()[1].text.substr(0, w.Shown()[1].text.find('\n')), hellas);
    // Replaced in place, as Windows keeps an overwritten entry's name.
    EXPECT_EQ(w.Entries(ConfigWorld::StartupFolder), (Names{capitalPrivet, tokyo + ".lnk"}));
    EXPECT_TRUE(w.Rows(IdcManagerList).empty());
    EXPECT_EQ(RunData(w, ConfigWorld::RunKey, hellas), command);
}
