// OrvaneConfig.exe under Wine, worked with the mouse on its arrow buttons:
// where the keyboard goes after a move, and quick clicks that Windows turns
// into double-clicks.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "config/ConfigResources.h"
#include "tests/wine/config/ConfigProcess.h"

using namespace config;

namespace {

// Two quick clicks as the mouse delivers them to a button: the second press
// arrives as a double-click.
void DoubleClick(HWND button) {
    const LPARAM inside = MAKELPARAM(2, 2);
    for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SendMessageA(button, press, MK_LBUTTON, inside);
        SendMessageA(button, WM_LBUTTONUP, 0, inside);
    }
}

HWND KeyboardFocus(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

int SelectedRow(HWND dialog, int list) {
    return static_cast<int>(SendDlgItemMessageA(dialog, list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

TEST(ConfigKeyboard, QuickClicksOnAnArrowEachMoveAndTheKeysGoOnToTheList) {
    EmptyDirectory(StartupFolder());
    ConfigInstall install;
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    for (const char* name : {"1 Alpha", "2 Bravo", "3 Charlie"})
        WriteFileBytes(install.dir + "Startup\\" + name + ".txt", name);
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IdcManagerList);
    HWND up = GetDlgItem(dialog, IdcManagerUp);

    SelectLastRow(dialog, IdcManagerList);
    DoubleClick(up);
    EXPECT_EQ(SelectedRow(dialog, IdcManagerList), 0);
    EXPECT_FALSE(IsWindowEnabled(up));  // at the top: the arrow clicked is disabled
    EXPECT_EQ(KeyboardFocus(dialog), list);

    DoubleClick(GetDlgItem(dialog, IdcManagerDown));
    EXPECT_EQ(SelectedRow(dialog, IdcManagerList), 2);
    EXPECT_EQ(KeyboardFocus(dialog), list);

    // A key goes where the focus is: Escape there ends the dialog.
    PostMessageA(KeyboardFocus(dialog), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
}

}  // namespace
