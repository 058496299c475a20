// OrvaneConfig.exe under Wine as it looks: its pictures on the system's own
// button face, lists whose columns fit beside their vertical scroll bar, and
// texts that fit their controls at Wine's font widths (its child dialogs are
// measured where their tests open them).
#include <windows.h>

#include <gtest/gtest.h>

#include "config/ConfigResources.h"
#include "tests/wine/config/ConfigProcess.h"
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

    for (int id : {IdcManagerList, IdcStartupList}) {
        HWND list = GetDlgItem(dialog, id);
        const LONG style = GetWindowLongA(list, GWL_STYLE);
        EXPECT_TRUE(style & WS_VSCROLL) << id;
        EXPECT_FALSE(style & WS_HSCROLL) << id;
    }

    EXPECT_EQ(TextsThatDoNotFitJoined(dialog), "");
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    EXPECT_EQ(TextsThatDoNotFitJoined(dialog), "") << "with the registry lists";

    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
    EmptyDirectory(startup);
}

}  // namespace
