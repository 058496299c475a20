// ADD of 200 selected Windows Startup items, against the bare copy and
// delete of the same 200 files, in the same run.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/wine/config/ConfigProcess.h"

namespace {

constexpr int IdcAdd = 1008, IdcManagerList = 1012, IdcStartupList = 1013, IdViewRefresh = 32799;
constexpr int Items = 200;

// Rounds alternate, so that a busy moment of the machine falls on both.
TEST(TransferMeasure, AddOfTwoHundredItemsAgainstTheBareCopyAndDelete) {
    const std::string startup = StartupFolder();
    EmptyDirectory(startup);
    const std::string bytes(1500, 'L');  // about a shortcut's size
    for (int i = 0; i < Items; ++i) WriteFileBytes(startup + NumberedItem(i, "lnk"), bytes);

    ConfigInstall install;
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog(60000);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IdcStartupList);
    std::vector<double> ratios;
    for (int round = 0; round < 3; ++round) {
        SendMessageA(dialog, WM_COMMAND, IdViewRefresh, 0);
        ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), Items);
        ASSERT_TRUE(SelectAllRows(install, list));
        ASSERT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), Items);

        const DWORD addStart = GetTickCount();
        SendMessageA(GetDlgItem(dialog, IdcAdd), BM_CLICK, 0, 0);
        const DWORD added = GetTickCount() - addStart;
        EXPECT_EQ(SendDlgItemMessageA(dialog, IdcManagerList, LVM_GETITEMCOUNT, 0, 0), Items);
        EXPECT_EQ(FileNames(install.dir + "Startup\\").size(), static_cast<size_t>(Items));
        EXPECT_TRUE(FileNames(startup).empty());

        // The same 200 files carried back by hand.
        const DWORD bareStart = GetTickCount();
        for (int i = 0; i < Items; ++i) {
            const std::string from = install.dir + "Startup\\" + NumberedItem(i, "lnk");
            CopyFileA(from.c_str(), (startup + NumberedItem(i, "lnk")).c_str(), TRUE);
            DeleteFileA(from.c_str());
        }
        const DWORD bare = GetTickCount() - bareStart;
        EXPECT_EQ(FileNames(startup).size(), static_cast<size_t>(Items));
        ratios.push_back(static_cast<double>(added) / (bare > 0 ? bare : 1));
        std::printf("ADD of %d selected items: %lu ms; bare copy and delete of the same files: %lu ms\n", Items,
                    static_cast<unsigned long>(added), static_cast<unsigned long>(bare));
    }
    PostMessageA(GetDlgItem(dialog, IdcManagerList), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(install.WaitForExit(10000));
    EmptyDirectory(startup);
    std::sort(ratios.begin(), ratios.end());
    std::printf("ADD against the bare moves, median of 3 rounds: %.2f\n", ratios[1]);
}

}  // namespace
