// The configuration program's figures under Wine, each a ratio of two
// things measured in the same run, their rounds taking turns so that a busy
// moment of the machine falls on both: a start with many items against an
// empty start, a refresh against that start, the rewrite of the manager's
// order at a save against the bare moves of the same files out and back,
// the whole Close with that rewrite (from the click until the process has
// ended) against the same bare moves, and ADD against the bare moves of the
// same files. Printed, never asserted: the machine's load decides the times.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "config/ConfigResources.h"
#include "tests/wine/config/ConfigProcess.h"

using namespace config;

namespace {

constexpr int Items = 500;
constexpr int AddItems = 200;
constexpr int Rounds = 3;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* what, const std::vector<double>& mine, const std::vector<double>& against, const char* unit) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < mine.size(); ++i) ratios.push_back(mine[i] / std::max(against[i], 1.0));
    std::printf("%-58s %6.2f   (%s: %.0f against %.0f, medians of %zu rounds)\n", what, Median(ratios), unit,
                Median(mine), Median(against), mine.size());
    std::fflush(stdout);
}

// Milliseconds from CreateProcess until the dialog shows both lists filled.
DWORD StartUp(ConfigInstall& install, int managed, int startup) {
    EXPECT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog(60000);
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(WaitUntil(
        [&] { return Rows(dialog, IdcManagerList) == managed && Rows(dialog, IdcStartupList) == startup; }, 60000));
    return GetTickCount() - install.startTicks;
}

void CloseAndWait(ConfigInstall& install) {
    SendMessageA(GetDlgItem(install.WaitForDialog(), IdcClose), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(120000));
}

// Each file out to a folder and back, by copy and delete, as a rewrite of
// the folder's order at its barest.
DWORD BareMovesOutAndBack(const std::string& directory, const std::string& scratch, int count, const char* extension) {
    CreateDirectoryA(scratch.c_str(), nullptr);
    const DWORD start = GetTickCount();
    for (const std::string& from : {directory, scratch + "\\"}) {
        const std::string to = from == directory ? scratch + "\\" : directory;
        for (int i = 0; i < count; ++i) {
            const std::string name = NumberedItem(i, extension);
            CopyFileA((from + name).c_str(), (to + name).c_str(), TRUE);
            DeleteFileA((from + name).c_str());
        }
    }
    const DWORD took = GetTickCount() - start;
    RemoveDirectoryA(scratch.c_str());
    return took;
}

// Files the bench has just written took three times as long to move under
// Wine as the same files once moved (500 out and back: 2.4 s against 0.9 s).
// A user's items came in by a move: so do the bench's, before any figure
// that moves them.
void SettleFiles(const std::string& directory, int count, const char* extension) {
    BareMovesOutAndBack(directory, directory + "..\\Settle", count, extension);
}

// A manager of many items, each with its line, in a fresh installation.
void FillManager(ConfigInstall& install) {
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    std::string ini;
    for (int i = 0; i < Items; ++i) {
        WriteFileBytes(install.dir + "Startup\\" + NumberedItem(i, "txt"), "x");
        ini += "\"" + NumberedItem(i, "txt").substr(0, 8) + "\", \"Startup\", \"" + std::to_string(i % 100) + "\"\r\n";
    }
    WriteFileBytes(install.dir + "Orvane.ini", ini);
    SettleFiles(install.dir + "Startup\\", Items, "txt");
}

TEST(Bench, StartUpRefreshAndSaveWithManyItems) {
    const std::string startup = StartupFolder();
    EmptyDirectory(startup);
    for (int i = 0; i < Items; ++i) WriteFileBytes(startup + NumberedItem(i, "txt"), "x");
    // The first start of a run also loads what Wine caches for the next: it
    // is not counted.
    {
        ConfigInstall warm;
        StartUp(warm, 0, Items);
        CloseAndWait(warm);
    }
    std::vector<double> empty, full, refresh, close, save, bare;
    for (int round = 0; round < Rounds; ++round) {
        EmptyDirectory(startup);
        ConfigInstall none;
        empty.push_back(StartUp(none, 0, 0));
        CloseAndWait(none);
        for (int i = 0; i < Items; ++i) WriteFileBytes(startup + NumberedItem(i, "txt"), "x");

        ConfigInstall many;
        FillManager(many);
        full.push_back(StartUp(many, Items, Items));
        HWND dialog = many.WaitForDialog();
        // A refresh with a row selected in each list, as a person leaves them;
        // the command is sent, so it returns once the lists are rebuilt.
        SelectLastRow(dialog, IdcManagerList);
        SelectLastRow(dialog, IdcStartupList);
        const DWORD refreshStart = GetTickCount();
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IdViewRefresh, 0), 0);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        refresh.push_back(GetTickCount() - refreshStart);

        // The last item one place up, then Close, which saves and rewrites
        // the manager's order.
        SelectLastRow(dialog, IdcManagerList);
        SendMessageA(GetDlgItem(dialog, IdcManagerUp), BM_CLICK, 0, 0);
        const DWORD saveStart = GetTickCount();
        SendMessageA(GetDlgItem(dialog, IdcClose), BM_CLICK, 0, 0);
        EXPECT_TRUE(many.WaitForExit(120000));
        close.push_back(GetTickCount() - saveStart);
        EXPECT_EQ(FileNames(many.dir + "Startup\\").size(), static_cast<size_t>(Items));
        // The same save without a change of order, so that what the save
        // costs besides the rewrite (its file, the Run value, the exit) is
        // left out of the rewrite's own figure.
        StartUp(many, Items, Items);
        const DWORD plainStart = GetTickCount();
        SendMessageA(GetDlgItem(many.WaitForDialog(), IdcClose), BM_CLICK, 0, 0);
        EXPECT_TRUE(many.WaitForExit(120000));
        const double plain = GetTickCount() - plainStart;
        save.push_back(std::max(close.back() - plain, 1.0));
        bare.push_back(BareMovesOutAndBack(many.dir + "Startup\\", many.dir + "Bare", Items, "txt"));
    }
    EmptyDirectory(startup);
    Report("start-up, 500 + 500 items against none", full, empty, "ms");
    Report("refresh against the whole start-up with the items", refresh, full, "ms");
    Report("rewrite of the order at a save against the bare moves", save, bare, "ms");
    Report("whole Close with a full reorder against the bare moves", close, bare, "ms");
}

TEST(Bench, AddOfManyItemsAgainstTheBareMoves) {
    const std::string startup = StartupFolder();
    EmptyDirectory(startup);
    const std::string bytes(1500, 'L');  // about a shortcut's size
    for (int i = 0; i < AddItems; ++i) WriteFileBytes(startup + NumberedItem(i, "lnk"), bytes);
    SettleFiles(startup, AddItems, "lnk");
    ConfigInstall install;
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog(60000);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IdcStartupList);
    std::vector<double> added, bare;
    for (int round = 0; round < Rounds; ++round) {
        SendMessageA(dialog, WM_COMMAND, IdViewRefresh, 0);
        ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), AddItems);
        ASSERT_TRUE(SelectAllRows(install, list));
        const DWORD addStart = GetTickCount();
        SendMessageA(GetDlgItem(dialog, IdcAdd), BM_CLICK, 0, 0);
        added.push_back(GetTickCount() - addStart);
        EXPECT_EQ(FileNames(install.dir + "Startup\\").size(), static_cast<size_t>(AddItems));
        // The same files carried back by hand.
        const DWORD bareStart = GetTickCount();
        for (int i = 0; i < AddItems; ++i) {
            const std::string from = install.dir + "Startup\\" + NumberedItem(i, "lnk");
            CopyFileA(from.c_str(), (startup + NumberedItem(i, "lnk")).c_str(), TRUE);
            DeleteFileA(from.c_str());
        }
        bare.push_back(GetTickCount() - bareStart);
    }
    ASSERT_TRUE(EscapeWithoutSaving(install, dialog));
    EmptyDirectory(startup);
    Report("ADD of 200 items against the bare moves", added, bare, "ms");
}

}  // namespace
