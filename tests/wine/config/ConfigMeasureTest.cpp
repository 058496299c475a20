// Start-up, refresh and save times of OrvaneConfig.exe with 500 items in the
// manager and 500 in the Windows Startup folder, against an empty start in the
// same run.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/wine/config/ConfigProcess.h"

namespace {

constexpr int IdcManagerList = 1012, IdcStartupList = 1013, IdcManagerUp = 1016, IdViewRefresh = 32799;
constexpr int Items = 500;

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

// Milliseconds of View > Refresh, until the lists are painted again: the
// command is sent, so it returns once the dialog has rebuilt them.
DWORD Refresh(HWND dialog) {
    const DWORD start = GetTickCount();
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IdViewRefresh, 0), 0);
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return GetTickCount() - start;
}

TEST(ConfigMeasure, StartUpRefreshAndSaveWithFiveHundredItemsEachSide) {
    const std::string startup = StartupFolder();
    EmptyDirectory(startup);

    // The first start of a run also loads what Wine caches for the next: it
    // is not counted.
    DWORD emptyStart = 0;
    for (int run = 0; run < 2; ++run) {
        ConfigInstall empty;
        emptyStart = StartUp(empty, 0);
        SendMessageA(GetDlgItem(empty.WaitForDialog(), IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(empty.WaitForExit(10000));
    }

    ConfigInstall full;
    CreateDirectoryA((full.dir + "Startup").c_str(), nullptr);
    std::string ini;
    for (int i = 0; i < Items; ++i) {
        WriteFileBytes(full.dir + "Startup\\" + NumberedItem(i, "txt"), "x");
        WriteFileBytes(startup + NumberedItem(i, "txt"), "x");
        ini += "\"" + NumberedItem(i, "txt").substr(0, 8) + "\", \"Startup\", \"" + std::to_string(i % 100) + "\"\r\n";
    }
    WriteFileBytes(full.dir + "Orvane.ini", ini);
    const DWORD fullStart = StartUp(full, Items);
    HWND dialog = full.WaitForDialog();

    // A refresh with a row selected in each list, as a person leaves them.
    SelectLastRow(dialog, IdcManagerList);
    SelectLastRow(dialog, IdcStartupList);
    const DWORD refreshed = Refresh(dialog);
    EXPECT_EQ(Rows(dialog, IdcManagerList), Items);
    EXPECT_EQ(Rows(dialog, IdcStartupList), Items);

    // Change the manager order (the last item one place up), then save.
    SelectLastRow(dialog, IdcManagerList);
    SendMessageA(GetDlgItem(dialog, IdcManagerUp), BM_CLICK, 0, 0);
    const DWORD saveStart = GetTickCount();
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(full.WaitForExit(120000));
    const DWORD saved = GetTickCount() - saveStart;
    EXPECT_EQ(FileNames(full.dir + "Startup\\").size(), static_cast<size_t>(Items));
    EXPECT_TRUE(FileNames(full.dir + "Roc\\").empty());
    EmptyDirectory(startup);

    // The goals, with room for a busy machine: a start with the items costs
    // at most twice an empty one, and a refresh, whose work is the start-up's
    // fill, less than that whole start (it was 10 to 40 times more).
    EXPECT_LT(fullStart, 2 * emptyStart + 250);
    EXPECT_LT(refreshed, fullStart * 3 / 2);

    // The lists' own share of the start-up: what the items add to an empty start.
    const DWORD fill = fullStart > emptyStart ? fullStart - emptyStart : 0;
    std::printf("start-up: empty %lu ms, %d + %d items %lu ms (fill %lu ms); refresh %lu ms; "
                "save with the manager order changed: %lu ms\n",
                static_cast<unsigned long>(emptyStart), Items, Items, static_cast<unsigned long>(fullStart),
                static_cast<unsigned long>(fill), static_cast<unsigned long>(refreshed),
                static_cast<unsigned long>(saved));
}

}  // namespace
