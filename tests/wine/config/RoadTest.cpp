// The road of the items, as a person takes it: two shortcuts in the user's
// Startup folder and a value of the user's Run key taken into the manager,
// the last put first, a wait given to each, the window closed; then the
// runner, started as Windows starts it, launches them in that order with
// those waits; and Restore sends each home. Their names and the value's
// command are in four scripts, and come back exact. With ORVANE_SHOTS set,
// each step is saved as a picture (tools/run does so).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "common/RunnerSettings.h"
#include "platform/win32/Win32Registry.h"
#include "config/ConfigResources.h"
#include "config/dialogs/MgrPropIds.h"
#include "tests/wine/config/ConfigProcess.h"
#include "tests/wine/support/Screenshot.h"

using namespace config;
using namespace mgrprop;

namespace {

void Press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST(Road, ItemsTakenInOrderedAndGivenWaitsRunInThatOrder) {
    const std::string bin = Env("ORVANE_BIN") + "\\";
    const std::string probe = bin + "wine_runner_probe.exe";
    ConfigInstall install;
    const std::string log = install.dir + "launches.log";
    EmptyDirectory(StartupFolder());
    const std::string clock = "Café Clock", mail = "Почта", news = "Ειδήσεις 東京";
    MakeShortcut(StartupFolder() + clock + ".lnk", probe, "Café \"" + log + "\"");
    MakeShortcut(StartupFolder() + mail + ".lnk", probe, mail + " \"" + log + "\"");
    // Written as the value comes back: a program path without blanks unquoted.
    const std::string newsCommand = probe + " 東京 \"" + log + "\"";
    Win32Registry registry;
    registry.Create(RegistryRoot::CurrentUser, settings::kRunKey)->SetString(news, newsCommand);
    {
        auto key = registry.Create(RegistryRoot::CurrentUser, settings::kKey);
        key->SetDword(settings::kPlacement, 1);
        key->SetDword(settings::kMinimized, 0);
        key->SetDword(settings::kCloseWhenFinished, 1);
    }

    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SaveScreenshot(dialog, "1-config-start");

    // The Windows Startup items, then the Run value, into the manager.
    ASSERT_TRUE(SelectAllRows(install, GetDlgItem(dialog, IdcStartupList)));
    Press(dialog, IdcAdd);
    Press(dialog, IdcAdvanced);
    HWND run = GetDlgItem(dialog, IdcRunList);
    SendMessageA(run, WM_KEYDOWN, VK_HOME, 0);
    Press(dialog, IdcRegistryAdd);
    HWND manager = GetDlgItem(dialog, IdcManagerList);
    ASSERT_EQ(SendMessageA(manager, LVM_GETITEMCOUNT, 0, 0), 3);  // News (at the top), Clock, Mail
    SaveScreenshot(dialog, "2-config-taken-in");

    // Mail, the last, to the top.
    SendMessageA(manager, WM_KEYDOWN, VK_END, 0);
    Press(dialog, IdcManagerUp);
    Press(dialog, IdcManagerUp);
    SaveScreenshot(dialog, "3-config-ordered");

    // A wait for each: 2 for the first, 1 for the others, in its properties.
    for (int row = 0; row < 3; ++row) {
        ASSERT_TRUE(DoubleClickRow(install, manager, row));
        HWND properties = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                properties = install.WaitForDialogEndingWith(" Properties", 0);
                return properties != nullptr;
            },
            10000));
        SetWindowTextA(GetDlgItem(properties, IdcWait), row == 0 ? "2" : "1");
        if (row == 0) SaveScreenshot(properties, "4-config-wait");
        PostMessageA(properties, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(properties, IDOK)));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(properties); }, 5000));
    }
    SaveScreenshot(dialog, "5-config-waits");
    Press(dialog, IdcCloseAdvanced);
    ASSERT_TRUE(install.WaitForExit(10000));
    EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"),
              "\"" + mail + "\", \"Startup\", \"2\"\r\n\"" + news + "\", \"UserRun\", \"1\"\r\n\"" + clock +
                  "\", \"Startup\", \"1\"\r\n");

    // The runner, as Windows starts it at the next log-on.
    const unsigned long long started = NowMilliseconds();
    ASSERT_TRUE(RunTheRunnerAsWindowsWould(30000, [](HWND runner) { SaveScreenshot(runner, "6-runner"); }));
    // The runner may end while the last item it started is still starting.
    std::vector<ProbeLaunch> launched;
    WaitUntil([&] { return (launched = ReadProbeLog(log)).size() >= 3; }, 10000);
    ASSERT_EQ(launched.size(), 3u);
    EXPECT_EQ(launched[0].name, mail);
    EXPECT_EQ(launched[1].name, "東京");
    EXPECT_EQ(launched[2].name, "Café");
    // Each wait is counted on the clock's seconds: a wait of 2 is over 1 to 2 s after it began.
    EXPECT_GE(launched[0].time - started, 1000u);
    EXPECT_GE(launched[1].time - launched[0].time, 500u);
    EXPECT_GE(launched[2].time - launched[1].time, 500u);
    std::printf("Orvane launched, seconds after it was started: ");
    for (const ProbeLaunch& launch : launched)
        std::printf("%s %.2f  ", launch.name.c_str(), (launch.time - started) / 1000.0);
    std::printf("\n");

    // Restore: each goes home under its own name, the value with its command.
    ASSERT_TRUE(install.Start());
    dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(RestoreAll(install, dialog), "Are you sure you want to restore all items\nto their original locations?");
    EXPECT_TRUE(WaitUntil([&] { return Rows(dialog, IdcManagerList) == 0; }, 5000));
    Press(dialog, IdcClose);
    ASSERT_TRUE(install.WaitForExit(10000));
    std::vector<std::string> home = FileNames(StartupFolder());
    std::sort(home.begin(), home.end());
    EXPECT_EQ(home, (std::vector<std::string>{clock + ".lnk", mail + ".lnk"}));
    RegistryValue value;
    auto userRun = registry.Open(RegistryRoot::CurrentUser, settings::kRunKey, RegistryAccess::All);
    ASSERT_TRUE(userRun && userRun->Query(news, value));
    EXPECT_EQ(value.Text(), newsCommand);
    userRun->DeleteValue(news);
    userRun->DeleteValue(settings::kRunValue);
    EmptyDirectory(StartupFolder());
}

}  // namespace
