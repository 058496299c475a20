// Every command that changes files or the registry, run with each of its
// platform operations failing in turn: nothing is lost, nothing is doubled
// untold, every row keeps its item, and Orvane.ini is old or new, whole.
#include <gtest/gtest.h>

#include "config/transfer/RestoreMode.h"
#include "tests/native/Conservation.h"

using namespace config;

namespace {

// Each item is a shortcut or a value with a command of its own, in every
// place; the manager items carry each kind of Source. Mail and Tray also lie
// where they would go, under a name of other letter case, so that each move
// of theirs asks to replace (answered Yes).
void MixedPlaces(ConfigWorld& w) {
    w.UseEveryPlace();
    AddShortcut(w, std::string(ConfigWorld::Manager) + "Mail.lnk", "C:\\APPS\\MAIL.EXE", "-x");
    AddShortcut(w, std::string(ConfigWorld::StartupFolder) + "MAIL.LNK", "C:\\APPS\\MAIL.EXE", "-x");
    AddShortcut(w, std::string(ConfigWorld::Manager) + "TRAY.lnk", "C:\\WINDOWS\\systray", "");
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Tray", "C:\\WINDOWS\\systray");
    for (const char* name : {"M1", "M2", "M3", "M4", "M5", "M6", "M7"})
        AddShortcut(w, std::string(ConfigWorld::Manager) + name + ".lnk", std::string("C:\\APPS\\") + name + ".EXE", "-m");
    for (const char* name : {"S1", "S2"})
        AddShortcut(w, std::string(ConfigWorld::StartupFolder) + name + ".lnk", std::string("C:\\APPS\\") + name + ".EXE",
                    "-s");
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "R1", "C:\\APPS\\R1.EXE -r");
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "R2", "C:\\APPS\\SYSTRAY.EXE");
    w.world.registry.SetString(RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey, "V1", "C:\\APPS\\V1.EXE -v");
    AddShortcut(w, std::string(ConfigWorld::CommonStartup) + "C1.lnk", "C:\\APPS\\C1.EXE", "-c");
    w.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "U1", "C:\\APPS\\U1.EXE -u");
    w.world.registry.SetString(RegistryRoot::LocalMachine32, ConfigWorld::RunKey, "W1", "C:\\APPS\\W1.EXE -w");
    w.WriteIni("\"M1\", \"Startup\", \"off\", \"1\"\r\n\"M2\", \"Run\", \"off\", \"2\"\r\n\"M3\", \"Services\", \"3\"\r\n"
               "\"Mail\", \"Startup\", \"\"\r\n\"TRAY\", \"Run\", \"\"\r\n"
               "\"M5\", \"AllStartup\", \"5\"\r\n\"M6\", \"UserRun\", \"6\"\r\n\"M7\", \"Run32\", \"off\", \"7\"\r\n");
    // Entries turned off in Windows, each where Task Manager keeps its state.
    const std::string approved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
    const std::string off("\x03\0\0\0\1\2\3\4\5\6\7\x08", 12);
    w.world.registry.SetValue(RegistryRoot::CurrentUser, approved + "StartupFolder", "S2.lnk", win::RegBinary, off);
    w.world.registry.SetValue(RegistryRoot::LocalMachine, approved + "StartupFolder", "C1.lnk", win::RegBinary, off);
    w.world.registry.SetValue(RegistryRoot::LocalMachine, approved + "Run", "R1", win::RegBinary, off);
    w.world.registry.SetValue(RegistryRoot::CurrentUser, approved + "Run", "U1", win::RegBinary, off);
    w.world.registry.SetValue(RegistryRoot::LocalMachine, approved + "Run32", "W1", win::RegBinary, off);
}

void MixedWorldAs(ConfigWorld& w, bool standardUser) {
    MixedPlaces(w);
    if (standardUser) w.BeStandardUser();
    ASSERT_TRUE(w.host.Open());
    w.host.Click(IdcAdvanced);
}

void MixedWorld(ConfigWorld& w) {
    MixedWorldAs(w, false);
}

// Moves the last row of the list to the top.
void LastToTop(ConfigWorld& w, int list, int up) {
    w.host.ClickRow(list, w.List(list).Count() - 1);
    for (int i = 1; i < w.List(list).Count(); ++i) w.host.Click(up);
}

void SelectAll(ConfigWorld& w, int list) {
    for (int row = 0; row < w.List(list).Count(); ++row) w.host.ClickRow(list, row, true);
}

struct Command {
    const char* name;
    std::function<void(ConfigWorld&)> select;
    std::function<void(ConfigWorld&)> run;
    bool deletes = false;
};

}  // namespace

TEST(CommandFaults, EveryMoveDeleteAndRestoreAtEveryFaultPointLosesNothing) {
    const auto click = [](int id) { return [id](ConfigWorld& w) { w.host.Click(id); }; };
    const auto selectAll = [](int list) { return [list](ConfigWorld& w) { SelectAll(w, list); }; };
    const auto deleteKey = [](int list) { return [list](ConfigWorld& w) { w.host.KeyDown(list, win::VkDelete); }; };
    const auto locationOk = [](ConfigWorld& w) {
        for (int i = 0; i < 4; ++i) w.host.ScriptChild([](HeadlessDialogHost& child) { child.Click(win::IdOk); });
    };
    const std::vector<Command> commands{
        {"ADD", selectAll(IdcStartupList), click(IdcAdd)},
        {"REMOVE", selectAll(IdcManagerList), click(IdcRemove)},
        {"<-- Add from Run", selectAll(IdcRunList), click(IdcRegistryAdd)},
        {"<-- Add from RunServices", selectAll(IdcRunServicesList), click(IdcRegistryAdd)},
        {"Remove -->",
         [&](ConfigWorld& w) {
             SelectAll(w, IdcManagerList);
             locationOk(w);
         },
         click(IdcRegistryRemove)},
        {"Delete in the manager", selectAll(IdcManagerList), deleteKey(IdcManagerList), true},
        {"Delete in the Windows Startup list", selectAll(IdcStartupList), deleteKey(IdcStartupList), true},
        {"Delete in the Run list", selectAll(IdcRunList), deleteKey(IdcRunList), true},
        {"Delete in the RunServices list", selectAll(IdcRunServicesList), deleteKey(IdcRunServicesList), true},
        {"Restore", [](ConfigWorld&) {}, [](ConfigWorld& w) { w.host.Command(IdFileRestore); }},
    };
    int points = 0;
    // As an administrator, and as a standard user, whom Windows refuses
    // every change of the machine's places.
    for (bool standardUser : {false, true})
        for (const Command& command : commands) {
            SCOPED_TRACE(std::string(command.name) + (standardUser ? " as a standard user" : ""));
            const int run = RunWithEveryFault(
                [&](ConfigWorld& w) {
                    MixedWorldAs(w, standardUser);
                    command.select(w);
                },
                command.run, command.deletes);
            EXPECT_GT(run, 0);
            points += run;
        }
    std::printf("fault points run: %d over %zu commands\n", points, commands.size());
}

TEST(CommandFaults, StartUpSaveAndRefreshAtEveryFaultPointLoseNothing) {
    const std::vector<Command> commands{
        {"start-up, with an interrupted save to put back",
         [](ConfigWorld& w) {
             MixedPlaces(w);
             w.world.files.AddFile("C:\\ORVANE\\Roc\\R9.lnk", "left by a killed save");
             w.world.files.AddFile("C:\\ORVANE\\Orvane.roc", "C:\\ORVANE\\Startup\\\r\n");
         },
         [](ConfigWorld& w) { w.host.Open(); }},
        {"save", MixedWorld, [](ConfigWorld& w) { w.host.Click(IdcCloseAdvanced); }},
        {"save with both lists reordered",
         [](ConfigWorld& w) {
             MixedWorld(w);
             LastToTop(w, IdcManagerList, IdcManagerUp);
             LastToTop(w, IdcStartupList, IdcStartupUp);
         },
         [](ConfigWorld& w) { w.host.Click(IdcCloseAdvanced); }},
        {"refresh", MixedWorld, [](ConfigWorld& w) { w.host.KeyDown(IdcManagerList, win::VkF5); }},
    };
    int points = 0;
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        const int run = RunWithEveryFault(command.select, command.run);
        EXPECT_GT(run, 0);
        points += run;
    }
    std::printf("fault points run: %d over %zu commands\n", points, commands.size());
}

// OrvaneConfig /restore /quiet tells through its exit code and its report: a
// report counts here as a message shown, naming what it names.
TEST(CommandFaults, TheRestoreModeAtEveryFaultPointLosesNothing) {
    const auto restoreMode = [](ConfigWorld& w) {
        const int exit = RestoreWithoutWindow(w.platform, true);
        EXPECT_TRUE(w.Shown().empty()) << "the quiet mode showed " << w.Shown().front().text;
        if (exit != RestoreDone)
            w.world.messages.shown.push_back({w.world.files.Contents(std::string(ConfigWorld::Dir) + RestoreReportName),
                                              win::MbIconExclamation});
    };
    const std::vector<Command> commands{
        // M1 to the Startup folder, M2 to Run, M3 to RunServices, M4 without a line to the Startup folder.
        {"every kind of origin", MixedPlaces, restoreMode},
        {"as a standard user",
         [](ConfigWorld& w) {
             MixedPlaces(w);
             w.BeStandardUser();
         },
         restoreMode},
        {"with an interrupted save to put back first",
         [](ConfigWorld& w) {
             MixedPlaces(w);
             AddShortcut(w, std::string(ConfigWorld::Roc) + "R9.lnk", "C:\\APPS\\R9.EXE", "-k");
             w.world.files.AddFile("C:\\ORVANE\\Orvane.roc", "C:\\ORVANE\\Startup\\\r\n");
         },
         restoreMode},
        {"a name taken where it goes, and a program that cannot be a value",
         [](ConfigWorld& w) {
             MixedPlaces(w);
             AddShortcut(w, std::string(ConfigWorld::Manager) + "S1.lnk", "C:\\APPS\\S1B.EXE", "-m");
             w.world.files.AddFile(std::string(ConfigWorld::Manager) + "Tool.exe", "MZ");
             w.WriteIni("\"M1\", \"Startup\", \"1\"\r\n\"S1\", \"Startup\", \"\"\r\n\"Tool\", \"Run\", \"4\"\r\n");
         },
         restoreMode},
    };
    int points = 0;
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        const int run = RunWithEveryFault(command.select, command.run, false, true);
        EXPECT_GT(run, 0);
        points += run;
    }
    std::printf("fault points run: %d over %zu commands\n", points, commands.size());
}
