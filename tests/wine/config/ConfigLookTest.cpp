// OrvaneConfig.exe under Wine as it looks (at 96 dots an inch, and at 144
// and 192 in the scaled runs): its pictures on the system's own button face
// and at the layout's scale, lists whose columns fit beside their vertical
// scroll bar, and texts that fit their controls at Wine's font widths (its
// child dialogs are measured where their tests open them).
#include <windows.h>

#include <gtest/gtest.h>

#include "config/ConfigResources.h"
#include "config/dialogs/LastStartupIds.h"
#include "tests/wine/config/ConfigProcess.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/TextFit.h"

using namespace config;

namespace {

TEST(ConfigLook, PicturesSitOnTheButtonFaceAndColumnsFitBesideTheScrollBar) {
    const std::string startup = StartupFolder();
    EmptyDirectory(startup);
    ConfigInstall install;
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    for (int i = 0; i < 200; ++i) {
        WriteFileBytes(install.dir + "Startup\\" + NumberedItem(i, "txt"), "x");
        WriteFileBytes(startup + NumberedItem(i, "txt"), "x");
    }
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);

    // The pictures are drawn on the classic grey; this desktop's face is not it.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_NE(face, RGB(192, 192, 192));
    // Just inside a button's drawn frame.
    for (int id : {IdcAdd, IdcRemove, IdcManagerUp}) EXPECT_EQ(ColourShown(GetDlgItem(dialog, id), 3, 3, face), face) << id;
    // At any scale the pictures grow as the layout does: as tall as a push
    // button of the same height in dialog units, clear of each other and of
    // the list beside them.
    const auto rectOf = [&](int id) {
        RECT r{};
        GetWindowRect(GetDlgItem(dialog, id), &r);
        return r;
    };
    const RECT add = rectOf(IdcAdd), remove = rectOf(IdcRemove), advanced = rectOf(IdcAdvanced);
    const RECT up = rectOf(IdcManagerUp), down = rectOf(IdcManagerDown), close = rectOf(IdcClose), list = rectOf(IdcManagerList);
    EXPECT_NEAR(add.bottom - add.top, advanced.bottom - advanced.top, 0.1 * (advanced.bottom - advanced.top));
    EXPECT_NEAR(up.bottom - up.top, close.bottom - close.top, 0.12 * (close.bottom - close.top));
    EXPECT_LT(add.right, remove.left);
    EXPECT_LE(up.bottom, down.top);
    EXPECT_LE(up.right, list.left);

    for (int id : {IdcManagerList, IdcStartupList}) {
        HWND list = GetDlgItem(dialog, id);
        const LONG style = GetWindowLongA(list, GWL_STYLE);
        EXPECT_TRUE(style & WS_VSCROLL) << id;
        EXPECT_FALSE(style & WS_HSCROLL) << id;
    }

    EXPECT_EQ(TextsThatDoNotFitJoined(dialog), "");
    EXPECT_EQ(MnemonicTrouble(dialog), "");
    // What a screen reader says of the picture buttons is their action.
    for (const auto& [id, name] : std::vector<std::pair<int, std::string>>{
             {IdcAdd, "&Add"}, {IdcRemove, "&Remove"}, {IdcManagerUp, "Move &up"}, {IdcManagerDown, "Move dow&n"}})
        EXPECT_EQ(WindowText(GetDlgItem(dialog, id)), name);
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    EXPECT_EQ(TextsThatDoNotFitJoined(dialog), "") << "with the registry lists";
    EXPECT_EQ(MnemonicTrouble(dialog), "") << "with the registry lists";

    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
    EmptyDirectory(startup);
}

// The picture is the program's own drawing with GDI, on white, in the
// window's font; a failure's mark is red.
TEST(ConfigLook, TheLastStartUpIsDrawnOnWhiteWithAFailureInRed) {
    ConfigInstall install;
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    WriteFileBytes(install.dir + "Startup\\Mail.txt", "x");
    WriteFileBytes(install.dir + "Startup\\Link.txt", "x");
    WriteFileBytes(install.dir + "Orvane.ini", "\"Mail\", \"Startup\", \"idle\", \"10\"\r\n\"Link\", \"AllStartup\", \"\"\r\n");
    WriteFileBytes(install.dir + "Orvane.log",
                   "Start-up 2026-12-07 08:14:03 UTC\r\n"
                   "\"Mail\", 0, wait, ok, -1, -1, 1510, -1, high, threads, none\r\n"
                   "\"Word\", 9000, idle, ok, 0, 5000, 40, 307200, medium, job, job\r\n"
                   "\"Backup\", 12000, longest, 2, 9000, 10000\r\n"
                   "\"Link\", 13000, wait, ok, -1, -1, -1, -1, unmeasured, none, none\r\n");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SaveScreenshot(dialog, "config-main-idle");
    PostMessageA(dialog, WM_COMMAND, IdViewLastStartup, 0);
    HWND picture = install.WaitForDialogTitled("Last Start-up");
    ASSERT_NE(picture, nullptr);
    HWND canvas = GetDlgItem(picture, laststartup::IdcPicture);
    EXPECT_EQ(ColourShown(canvas, 3, 3, RGB(255, 255, 255)), RGB(255, 255, 255));
    // Somewhere in the right half, Backup's red mark.
    RECT area{};
    GetWindowRect(canvas, &area);
    const auto redShown = [&] {
        bool red = false;
        HDC screen = GetDC(nullptr);
        for (int y = area.top; y < area.bottom && !red; ++y)
            for (int x = (area.left + area.right) / 2; x < area.right && !red; ++x)
                red = GetPixel(screen, x, y) == RGB(255, 0, 0);
        ReleaseDC(nullptr, screen);
        return red;
    };
    EXPECT_TRUE(WaitUntil(redShown, 5000));
    SaveScreenshot(picture, "config-last-startup");
    EXPECT_EQ(TextsThatDoNotFitJoined(picture), "");

    PostMessageA(picture, WM_COMMAND, IDOK, 0);

    // Where the idle condition is set: an item's properties and the options.
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picture); }, 5000));
    ASSERT_TRUE(DoubleClickRow(install, GetDlgItem(dialog, IdcManagerList), 0));
    HWND properties = install.WaitForDialogEndingWith(" Properties", 10000);
    ASSERT_NE(properties, nullptr);
    SaveScreenshot(properties, "config-item-properties");
    EXPECT_EQ(TextsThatDoNotFitJoined(properties), "");
    PostMessageA(properties, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(properties); }, 5000));
    PostMessageA(dialog, WM_COMMAND, IdViewOptions, 0);
    HWND options = install.WaitForDialogTitled("Orvane Options");
    ASSERT_NE(options, nullptr);
    SaveScreenshot(options, "config-options");
    EXPECT_EQ(TextsThatDoNotFitJoined(options), "");
    PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));

    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
}

}  // namespace
