// Start-up and save times of OrvaneConfig.exe with 500 items in the manager
// and 500 in the Windows Startup folder, against an empty start in the same run.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/wine/config/ConfigProcess.h"

namespace {

constexpr int IdcManagerList = 1012, IdcStartupList = 1013, IdcManagerUp = 1016;
constexpr int Items = 500;

int Rows(HWND dialog, int list) {
    return static_cast<int>(SendDlgItemMessageA(dialog, list, LVM_GETITEMCOUNT, 0, 0));
}

std::string Numbered(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "Item %03d.txt", i);
    return name;
}

// Milliseconds from CreateProcess until the dialog shows both lists filled.
DWORD StartUp(ConfigInstall& install, int expected) {
    EXPECT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog(60000);
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(WaitUntil(
        [&] { return Rows(dialog, IdcManagerList) == expected && Rows(dialog, IdcStartupList) == expected; }, 60000))
        << Rows(dialog, IdcManagerList) << " " << Rows(dialog, IdcStartupList);
    return GetTickCount() - install.startTicks;
}

TEST(ConfigMeasure, StartUpAndSaveWithFiveHundredItemsEachSide) {
    const std::string startup = StartupFolder();
    EmptyDirectory(startup);

    ConfigInstall empty;
    const DWORD emptyStart = StartUp(empty, 0);
    SendMessageA(GetDlgItem(empty.WaitForDialog(), IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(empty.WaitForExit(10000));

    ConfigInstall full;
    CreateDirectoryA((full.dir + "Startup").c_str(), nullptr);
    std::string ini;
    for (int i = 0; i < Items; ++i) {
        WriteFileBytes(full.dir + "Startup\\" + Numbered(i), "x");
        WriteFileBytes(startup + Numbered(i), "x");
        ini += "\"" + Numbered(i).substr(0, 8) + "\", \"Startup\", \"" + std::to_string(i % 100) + "\"\r\n";
    }
    WriteFileBytes(full.dir + "Orvane.ini", ini);
    const DWORD fullStart = StartUp(full, Items);

    // Change the manager order (the last item one place up), then save.
    HWND dialog = full.WaitForDialog();
    HWND list = GetDlgItem(dialog, IdcManagerList);
    SendMessageA(list, WM_KEYDOWN, VK_END, 0);
    SendMessageA(list, WM_KEYUP, VK_END, 0);
    SendMessageA(GetDlgItem(dialog, IdcManagerUp), BM_CLICK, 0, 0);
    const DWORD saveStart = GetTickCount();
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(full.WaitForExit(120000));
    const DWORD saved = GetTickCount() - saveStart;
    EXPECT_EQ(FileNames(full.dir + "Startup\\").size(), static_cast<size_t>(Items));
    EXPECT_TRUE(FileNames(full.dir + "Roc\\").empty());
    EmptyDirectory(startup);

    std::printf("start-up: empty %lu ms, %d + %d items %lu ms; save with the manager order changed: %lu ms\n",
                static_cast<unsigned long>(emptyStart), Items, Items, static_cast<unsigned long>(fullStart),
                static_cast<unsigned long>(saved));
}

}  // namespace
