// The enabled state shared with Windows, under Wine (which itself ignores
// it, so the values are read back): a prepared off value shows unticked, a
// box and Space write Task Manager's bytes, the state travels with an item
// taken in, the runner leaves it, and Restore gives each its state back.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "common/RunnerSettings.h"
#include "config/ConfigResources.h"
#include "platform/win32/Win32Registry.h"
#include "tests/wine/config/ConfigProcess.h"

using namespace config;

namespace {

const char* const Approved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

std::string State(const std::string& name) {
    RegistryValue value;
    auto key = Win32Registry().Open(RegistryRoot::LocalMachine, Approved, RegistryAccess::Read);
    return key && key->Query(name, value) && value.type == REG_BINARY ? value.data : std::string("<missing>");
}

bool Ticked(HWND dialog, int list, int row) {
    return (SendMessageA(GetDlgItem(dialog, list), LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) ==
           INDEXTOSTATEIMAGEMASK(2);
}

void SelectOnly(HWND dialog, int list, int row) {
    HWND hwnd = GetDlgItem(dialog, list);
    SendMessageA(hwnd, WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < row; ++i) SendMessageA(hwnd, WM_KEYDOWN, VK_DOWN, 0);
}

void Forget() {
    Win32Registry registry;
    for (const char* key : {settings::kRunKey, Approved})
        if (auto opened = registry.Open(RegistryRoot::LocalMachine, key, RegistryAccess::All))
            for (const char* name : {"Loud", "Quiet", "Back"}) opened->DeleteValue(name);
    if (auto user = registry.Open(RegistryRoot::CurrentUser, settings::kRunKey, RegistryAccess::All)) user->DeleteValue(settings::kRunValue);
}

}  // namespace

TEST(EnabledState, AnOffEntryStaysOffThroughTheManagerAndTheBoxesWriteTaskManagersBytes) {
    Forget();
    ConfigInstall install;
    const std::string probe = Env("ORVANE_BIN") + "\\wine_runner_probe.exe", log = install.dir + "launches.log";
    Win32Registry registry;
    auto run = registry.Create(RegistryRoot::LocalMachine, settings::kRunKey);
    run->SetString("Loud", "\"" + probe + "\" Loud \"" + log + "\"");
    run->SetString("Quiet", "\"" + probe + "\" Quiet \"" + log + "\"");
    registry.Create(RegistryRoot::LocalMachine, Approved)->Set("Quiet", REG_BINARY, std::string("\x03\0\0\0\x10\x20\x30\x40\x50\x60\x70\x01", 12));
    // A managed item that is on, with a stale off value where it returns.
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    MakeShortcut(install.dir + "Startup\\Back.lnk", probe, "Back \"" + log + "\"");
    WriteFileBytes(install.dir + "Orvane.ini", "\"Back\", \"Run\", \"\"\r\n");
    registry.Create(RegistryRoot::LocalMachine, Approved)->Set("Back", REG_BINARY, std::string("\x07\0\0\0\0\0\0\0\0\0\0\x01", 12));

    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    ASSERT_EQ(Rows(dialog, IdcRunList), 2) << "Wine lists the values by name: Loud, Quiet";
    EXPECT_TRUE(Ticked(dialog, IdcRunList, 0));
    EXPECT_FALSE(Ticked(dialog, IdcRunList, 1));
    EXPECT_TRUE(Ticked(dialog, IdcManagerList, 0));

    // A click unticks Loud: 03, then the time it was turned off.
    ASSERT_TRUE(ClickCheckBox(install, GetDlgItem(dialog, IdcRunList), 0));
    ASSERT_TRUE(WaitUntil([] { return State("Loud") != "<missing>"; }, 5000));
    const std::string off = State("Loud");
    ASSERT_EQ(off.size(), 12u);
    EXPECT_EQ(off.substr(0, 4), std::string("\x03\0\0\0", 4));
    EXPECT_NE(off.substr(4), std::string(8, '\0'));
    EXPECT_FALSE(Ticked(dialog, IdcRunList, 0));
    // Space on the selected row ticks it again: 02 and eleven zeros.
    SelectOnly(dialog, IdcRunList, 0);
    PostMessageA(GetDlgItem(dialog, IdcRunList), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(WaitUntil([] { return State("Loud") == std::string("\x02", 1) + std::string(11, '\0'); }, 5000));
    EXPECT_TRUE(Ticked(dialog, IdcRunList, 0));

    // Quiet taken in stays off, and its value goes.
    SelectOnly(dialog, IdcRunList, 1);
    SendMessageA(GetDlgItem(dialog, IdcRegistryAdd), BM_CLICK, 0, 0);
    EXPECT_EQ(State("Quiet"), "<missing>");
    ASSERT_EQ(Rows(dialog, IdcManagerList), 2);
    EXPECT_FALSE(Ticked(dialog, IdcManagerList, 0));
    SendMessageA(GetDlgItem(dialog, IdcCloseAdvanced), BM_CLICK, 0, 0);
    ASSERT_TRUE(install.WaitForExit(10000));
    EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"), "\"Quiet\", \"Run\", \"off\", \"\"\r\n\"Back\", \"Run\", \"\"\r\n");

    // The runner launches Back only.
    ASSERT_TRUE(RunTheRunnerAsWindowsWould(30000));
    const std::vector<ProbeLaunch> launched = ReadProbeLog(log);
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0].name, "Back");

    // Restore: Quiet goes back off, Back on, without its stale value.
    ASSERT_TRUE(install.Start());
    dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_COMMAND, IdFileRestore, 0);
    HWND box = install.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
    EXPECT_TRUE(WaitUntil([&] { return Rows(dialog, IdcManagerList) == 0; }, 5000));
    EXPECT_EQ(State("Quiet").substr(0, 1), "\x03");
    EXPECT_EQ(State("Back"), "<missing>");
    EXPECT_TRUE(EscapeWithoutSaving(install, dialog));
    Forget();
}
