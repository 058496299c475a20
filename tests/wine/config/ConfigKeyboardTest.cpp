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

    // A key goes where the focus is: Escape there asks about the unsaved
    // order, and No ends the dialog.
    PostMessageA(KeyboardFocus(dialog), WM_KEYDOWN, VK_ESCAPE, 0);
    HWND box = install.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Do you want to save changes before exiting?");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    EXPECT_TRUE(install.WaitForExit(10000));
}

}  // namespace

namespace {

// Every control Tab reaches from the manager list, until it comes back there.
std::vector<int> TabRound(HWND dialog) {
    std::vector<int> reached;
    HWND start = KeyboardFocus(dialog);
    for (int step = 0; step < 30; ++step) {
        HWND from = KeyboardFocus(dialog);
        PostMessageA(from, WM_KEYDOWN, VK_TAB, 0);
        if (!WaitUntil([&] { return KeyboardFocus(dialog) != from; }, 2000)) break;
        if (KeyboardFocus(dialog) == start) break;
        reached.push_back(GetDlgCtrlID(KeyboardFocus(dialog)));
    }
    return reached;
}

// The dialog open over a manager of two items, nothing selected; null when
// it did not open.
HWND OpenOverTwoItems(ConfigInstall& install) {
    EmptyDirectory(StartupFolder());
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    for (const char* name : {"1 Alpha", "2 Bravo"}) WriteFileBytes(install.dir + "Startup\\" + name + ".txt", name);
    return install.Start() ? install.WaitForDialog() : nullptr;
}

// The keyboard's focus to the manager list, as Tab would take it there.
bool FocusManagerList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IdcManagerList);
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    return WaitUntil([&] { return KeyboardFocus(dialog) == list; }, 2000);
}

TEST(ConfigKeyboard, TabReachesEveryControlInReadingOrderAndEnterOnARowOpensIt) {
    ConfigInstall install;
    HWND dialog = OpenOverTwoItems(install);
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    HWND list = GetDlgItem(dialog, IdcManagerList);
    ASSERT_TRUE(FocusManagerList(dialog));
    SelectLastRow(dialog, IdcManagerList);  // Up is enabled, Down is not; the Windows Startup list is empty

    EXPECT_EQ(TabRound(dialog), (std::vector<int>{IdcAdd, IdcRemove, IdcStartupList, IdcRegistryAdd, IdcRegistryRemove,
                                                  IdcBasic, IdcRunList, IdcRunServicesList, IdcCloseAdvanced,
                                                  IdcManagerUp}));

    // Enter on the selected row shows its properties, not the default button's Close.
    ASSERT_TRUE(WaitUntil([&] { return KeyboardFocus(dialog) == list; }, 2000));
    PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    HWND properties = install.WaitForDialogEndingWith(" Properties", 10000);
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(install.Running());
    PostMessageA(properties, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(properties); }, 5000));
    ASSERT_TRUE(EscapeWithoutSaving(install, dialog));
}

HWND PopupMenu() {
    return FindWindowA("#32768", nullptr);
}

// A list with nothing selected, worked by keys alone: Enter presses nothing,
// Down selects the first row, Alt+Down moves it and the save keeps the order,
// and the keyboard's context menu opens beside the selected row.
TEST(ConfigKeyboard, KeysOnAListWithNothingSelectedNeverCloseAndMoveRows) {
    ConfigInstall install;
    HWND dialog = OpenOverTwoItems(install);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IdcManagerList);
    ASSERT_TRUE(FocusManagerList(dialog));

    PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_TRUE(WaitUntil([&] { return SelectedRow(dialog, IdcManagerList) == 0; }, 5000));
    EXPECT_TRUE(install.Running());
    // Enter now opens the row Down selected.
    PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    HWND properties = install.WaitForDialogEndingWith(" Properties", 10000);
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(WindowText(properties), "1 Alpha Properties");
    PostMessageA(properties, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(properties); }, 5000));
    ASSERT_TRUE(FocusManagerList(dialog));

    PostMessageA(list, WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    ASSERT_TRUE(WaitUntil([&] { return SelectedRow(dialog, IdcManagerList) == 1; }, 5000));
    EXPECT_EQ(KeyboardFocus(dialog), list);

    PostMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
    ASSERT_TRUE(WaitUntil([&] { return PopupMenu() != nullptr && IsWindowVisible(PopupMenu()); }, 5000));
    // Below the second row, inside the list: past its header and first row
    // (a row's rectangle cannot be asked across processes).
    RECT shown{}, menu{};
    ASSERT_TRUE(GetWindowRect(PopupMenu(), &menu));
    ASSERT_TRUE(GetWindowRect(list, &shown));
    EXPECT_TRUE(menu.left > shown.left && menu.left < shown.left + 20 && menu.top > shown.top + 30 && menu.top < shown.bottom)
        << menu.left << "," << menu.top << " in " << shown.left << "," << shown.top << "," << shown.right << "," << shown.bottom;
    PostMessageA(PopupMenu(), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil([&] { return PopupMenu() == nullptr || !IsWindowVisible(PopupMenu()); }, 5000));

    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IdcClose, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IdcClose)));
    ASSERT_TRUE(install.WaitForExit(10000));
    EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"), "\"2 Bravo\", \"\", \"\"\r\n\"1 Alpha\", \"\", \"\"\r\n");
}

}  // namespace
