// The child dialogs of OrvaneConfig.exe under Wine, worked from outside as a
// person would: the properties and the wait, the runner's options, Explore
// of a registry list, Help and About.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "common/RunnerSettings.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellLinks.h"
#include "config/ConfigResources.h"
#include "config/dialogs/AboutIds.h"
#include "config/dialogs/HelpChoiceIds.h"
#include "config/dialogs/MgrPropIds.h"
#include "config/dialogs/OptionsIds.h"
#include "config/dialogs/PropertiesIds.h"
#include "config/dialogs/RegPropIds.h"
#include "config/dialogs/RegeditInfoIds.h"
#include "config/dialogs/StartupPropIds.h"
#include "tests/wine/config/ConfigProcess.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/TextFit.h"

using namespace config;

namespace {

const char* const RunKey = settings::kRunKey;

// Memory in the program's process, where its list view reads and writes
// what a message points at.
class Remote {
public:
    explicit Remote(DWORD processId)
        : m_process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
          m_memory(m_process ? VirtualAllocEx(m_process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE) : nullptr) {}
    ~Remote() {
        if (m_memory) VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
        if (m_process) CloseHandle(m_process);
    }
    // A row's text in one column.
    std::string ItemText(HWND list, int row, int column) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = static_cast<char*>(m_memory) + 512;
        item.cchTextMax = 512;
        char text[512] = {};
        if (!Put(item)) return "<unreadable>";
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(m_memory));
        ReadProcessMemory(m_process, item.pszText, text, sizeof text - 1, nullptr);
        return text;
    }
    // A text's width in the list's font, as the list measures it.
    int StringWidth(HWND list, const std::string& text) {
        if (!m_memory || !WriteProcessMemory(m_process, m_memory, text.c_str(), text.size() + 1, nullptr)) return -1;
        return static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(m_memory)));
    }
    // A point inside a row, in the list's client coordinates.
    POINT RowPoint(HWND list, int row) {
        RECT rect{};
        rect.left = LVIR_LABEL;
        if (Put(rect)) SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(m_memory));
        ReadProcessMemory(m_process, m_memory, &rect, sizeof rect, nullptr);
        return POINT{rect.left + 4, (rect.top + rect.bottom) / 2};
    }

private:
    template <class T>
    bool Put(const T& value) {
        return m_memory && WriteProcessMemory(m_process, m_memory, &value, sizeof value, nullptr);
    }
    HANDLE m_process;
    void* m_memory;
};

// A double-click on a row, as the mouse gives it: posted, since it opens a dialog.
void DoubleClickRow(ConfigInstall& install, HWND dialog, int listId, int row) {
    HWND list = GetDlgItem(dialog, listId);
    const POINT at = Remote(install.ProcessId()).RowPoint(list, row);
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(list, WM_LBUTTONUP, 0, where);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    PostMessageA(list, WM_LBUTTONUP, 0, where);
}

void Post(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void MenuCommand(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
bool Checked(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool Gone(HWND window) {
    return WaitUntil([&] { return !IsWindow(window); }, 5000);
}

int Setting(const char* name) {
    Win32Registry registry;
    RegistryValue value;
    auto key = registry.Open(RegistryRoot::CurrentUser, settings::kKey, RegistryAccess::Read);
    if (!key || !key->Query(name, value) || value.type != REG_DWORD || value.data.size() != 4) return -1;
    return static_cast<unsigned char>(value.data[0]) | static_cast<unsigned char>(value.data[1]) << 8;
}

class ConfigDialogs : public ::testing::Test {
protected:
    void SetUp() override { EmptyDirectory(StartupFolder()); }
    void TearDown() override {
        EmptyDirectory(StartupFolder());
        Win32Registry registry;
        if (auto key = registry.Open(RegistryRoot::LocalMachine, RunKey, RegistryAccess::All)) {
            key->DeleteValue("Mail Check");
            key->DeleteValue(settings::kRunValue);
        }
        if (auto key = registry.Open(RegistryRoot::CurrentUser, RunKey, RegistryAccess::All))
            for (const char* name : {"Pager", "Fresh", settings::kRunValue}) key->DeleteValue(name);
    }
};

TEST_F(ConfigDialogs, AManagedItemsWaitIsCheckedShownInItsRowAndSaved) {
    ConfigInstall install;
    const std::string log = install.dir + "launches.log";
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    MakeShortcut(install.dir + "Startup\\Mail.lnk", Env("ORVANE_BIN") + "\\wine_runner_probe.exe", "Mail \"" + log + "\"");
    WriteFileBytes(install.dir + "Orvane.ini", "\"Mail\", \"Startup\", \"\"\r\n");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);

    DoubleClickRow(install, dialog, IdcManagerList, 0);
    HWND props = install.WaitForDialogTitled("Mail Properties");
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(Text(props, props::IdcTitle), "Mail");
    EXPECT_EQ(Text(props, mgrprop::IdcFileName), "Mail.lnk");
    EXPECT_EQ(Text(props, mgrprop::IdcType), "Shortcut");
    EXPECT_EQ(Text(props, mgrprop::IdcSource), "Startup");
    // What it runs is read from the shortcut: the probe's program and arguments.
    EXPECT_NE(Text(props, mgrprop::IdcProgram), "");
    SaveScreenshot(props, "manager-properties");
    // The program and its arguments are the item's own, of any length: their
    // fields scroll. Every other text is the program's and must fit.
    for (const std::string& cut : TextsThatDoNotFit(props)) {
        const bool ownText = cut.rfind("control " + std::to_string(mgrprop::IdcProgram), 0) == 0 ||
                             cut.rfind("control " + std::to_string(mgrprop::IdcArguments), 0) == 0;
        EXPECT_TRUE(ownText) << cut;
    }

    SetWindowTextA(GetDlgItem(props, mgrprop::IdcWait), "100");
    Post(props, IDOK);
    HWND box = install.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Please enter a number in the range 0 - 99");
    Post(box, IDOK);
    ASSERT_TRUE(Gone(box));
    EXPECT_EQ(Text(props, mgrprop::IdcWait), "");
    EXPECT_TRUE(IsWindow(props));

    SetWindowTextA(GetDlgItem(props, mgrprop::IdcWait), "7");
    SendMessageA(GetDlgItem(props, mgrprop::IdcLow), BM_SETCHECK, BST_CHECKED, 0);
    Post(props, IDOK);
    ASSERT_TRUE(Gone(props));
    EXPECT_EQ(Remote(install.ProcessId()).ItemText(GetDlgItem(dialog, IdcManagerList), 0, 2), "7");
    EXPECT_EQ(Remote(install.ProcessId()).ItemText(GetDlgItem(dialog, IdcManagerList), 0, 3), "");  // never run
    Click(dialog, IDOK);
    ASSERT_TRUE(install.WaitForExit(10000));
    EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"), "\"Mail\", \"Startup\", \"low\", \"7\"\r\n");

    // The runner counts 7 on the clock's seconds before the item: at least
    // 6 s. A busy host only makes it longer; a runner that waited on and on
    // would not end within the run's limit.
    const unsigned long long started = NowMilliseconds();
    ASSERT_TRUE(RunTheRunnerAsWindowsWould(30000));
    const std::vector<ProbeLaunch> launched = ReadProbeLog(log);
    ASSERT_EQ(launched.size(), 1u);
    std::printf("a wait of 7: the item launched %llu ms after the runner was started\n", launched[0].time - started);
    EXPECT_GE(launched[0].time - started, 6000u);

    // The shell gives no process for a shortcut here: the item is not measured.
    ASSERT_TRUE(install.Start());
    dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Remote(install.ProcessId()).ItemText(GetDlgItem(dialog, IdcManagerList), 0, 3), "Not measured");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
}

TEST_F(ConfigDialogs, StartupAndRunPropertiesShowTheirLocationAndCommandLine) {
    MakeShortcut(StartupFolder() + "Clock.lnk");
    Win32Registry().Create(RegistryRoot::LocalMachine, RunKey)->SetString("Mail Check", "C:\\mail.exe -check");
    Win32Registry().Create(RegistryRoot::CurrentUser, RunKey)->SetString("Pager", "C:\\pager.exe");
    ConfigInstall install;
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);

    DoubleClickRow(install, dialog, IdcStartupList, 0);
    HWND props = install.WaitForDialogTitled("Clock Properties");
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(Text(props, startupprop::IdcFileName), "Clock.lnk");
    EXPECT_EQ(Text(props, startupprop::IdcType), "Shortcut");
    EXPECT_EQ(Text(props, startupprop::IdcLocation), "Windows Startup directory");
    SaveScreenshot(props, "startup-properties");
    EXPECT_EQ(TextsThatDoNotFitJoined(props), "");
    Post(props, IDCANCEL);
    ASSERT_TRUE(Gone(props));

    Click(dialog, IdcAdvanced);
    DoubleClickRow(install, dialog, IdcRunList, 0);
    props = install.WaitForDialogTitled("Mail Check Properties");
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(Text(props, regprop::IdcLocation), "Registry's Run Items");
    EXPECT_EQ(Text(props, regprop::IdcCommandLine), "C:\\mail.exe -check");
    SaveScreenshot(props, "registry-properties");
    EXPECT_EQ(TextsThatDoNotFitJoined(props), "");
    Post(props, IDOK);
    ASSERT_TRUE(Gone(props));

    // The user's key says whose it is, in the room the machine's has.
    int own = Rows(dialog, IdcRunList) - 1;
    while (own > 0 && Remote(install.ProcessId()).ItemText(GetDlgItem(dialog, IdcRunList), own, 0) != "Pager") --own;
    DoubleClickRow(install, dialog, IdcRunList, own);
    props = install.WaitForDialogTitled("Pager Properties");
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(Text(props, regprop::IdcLocation), "Registry's Run Items (this user)");
    EXPECT_EQ(TextsThatDoNotFitJoined(props), "");
    Post(props, IDOK);
    ASSERT_TRUE(Gone(props));
    ASSERT_TRUE(EscapeWithoutSaving(install, dialog));
}

// The Where column marks what appeared since the last save and a managed
// program that put itself back into the user's Run key.
TEST_F(ConfigDialogs, TheRunListMarksNewRowsAndRowsAlsoManaged) {
    ConfigInstall install;
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    MakeShortcut(install.dir + "Startup\\Pager.lnk", "C:\\windows\\notepad.exe", "-pager");
    WriteFileBytes(install.dir + "Orvane.ini", "\"Pager\", \"UserRun\", \"\"\r\n");
    // Pager's program was back at the last save (no offer to take it in again
    // as the dialog opens); Fresh came after.
    WriteFileBytes(install.dir + "Orvane.seen", "UserRun\tseen\tPager\r\n");
    Win32Registry registry;
    registry.Create(RegistryRoot::CurrentUser, RunKey)->SetString("Pager", "\"C:\\Windows\\notepad.exe\" -pager");
    registry.Create(RegistryRoot::CurrentUser, RunKey)->SetString("Fresh", "C:\\fresh.exe /tray");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IdcAdvanced);
    HWND list = GetDlgItem(dialog, IdcRunList);
    Remote remote(install.ProcessId());
    std::string where;
    for (int row = 0; row < Rows(dialog, IdcRunList); ++row)
        where += remote.ItemText(list, row, 0) + ": " + remote.ItemText(list, row, 1) + "\n";
    EXPECT_NE(where.find("Pager: User, also managed\n"), std::string::npos) << where;
    EXPECT_NE(where.find("Fresh: User, new\n"), std::string::npos) << where;
    SaveScreenshot(dialog, "run-list-new-and-also-managed");
    // The list cuts a text that comes within 5 pixels of its column's edge.
    EXPECT_GT(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0)), remote.StringWidth(list, "User, also managed") + 5);
    ASSERT_TRUE(EscapeWithoutSaving(install, dialog));
}

TEST_F(ConfigDialogs, OptionsShowTheDefaultsAndStoreWhatWasChosen) {
    {
        Win32Registry registry;
        if (auto key = registry.Open(RegistryRoot::CurrentUser, settings::kKey, RegistryAccess::All))
            for (const char* name : {settings::kPlacement, settings::kMinimized, settings::kCloseWhenFinished})
                key->DeleteValue(name);
    }
    ConfigInstall install;
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    MenuCommand(dialog, IdViewOptions);
    HWND options = install.WaitForDialogTitled("Orvane Options");
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(Checked(options, options::IdcCentered));
    EXPECT_FALSE(Checked(options, options::IdcTopLeft) || Checked(options, options::IdcBottomLeft));
    EXPECT_FALSE(Checked(options, options::IdcMinimized));
    EXPECT_TRUE(Checked(options, options::IdcClose));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(options, 3)));
    SaveScreenshot(options, "options");
    EXPECT_EQ(TextsThatDoNotFitJoined(options), "");
    EXPECT_EQ(MnemonicTrouble(options), "");

    Click(options, options::IdcTopLeft);
    Click(options, options::IdcMinimized);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(options, 3)));
    Click(options, 3);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(options, 3)));
    EXPECT_EQ(Setting(settings::kPlacement), 0);
    Post(options, IDOK);
    ASSERT_TRUE(Gone(options));
    EXPECT_EQ(Setting(settings::kPlacement), 0);
    EXPECT_EQ(Setting(settings::kMinimized), 1);
    EXPECT_EQ(Setting(settings::kCloseWhenFinished), 1);
    ASSERT_TRUE(EscapeWithoutSaving(install, dialog));
}

// Whether upper lies above lower in the windows' Z order.
bool Above(HWND upper, HWND lower) {
    for (HWND below = GetWindow(upper, GW_HWNDNEXT); below != nullptr; below = GetWindow(below, GW_HWNDNEXT))
        if (below == lower) return true;
    return false;
}

TEST_F(ConfigDialogs, ExploreOfTheRunListNamesItsKeyInFrontOfTheEditor) {
    ConfigInstall install;
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IdcAdvanced);
    HWND list = GetDlgItem(dialog, IdcRunList);
    RECT rect{};
    GetWindowRect(list, &rect);
    PostMessageA(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(rect.left + 20, rect.top + 20));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu); }, 5000));
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);  // the first entry, Explore

    HWND info = install.WaitForDialogTitled("Regedit");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Text(info, regeditinfo::IdcKeyPath), "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_TRUE(GetWindowLongA(info, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsIconic(dialog)) << "minimised, it would hide the note it owns";
    HWND editor = nullptr;
    if (WaitUntil([&] { return (editor = FindWindowA("RegEdit_RegEdit", nullptr)) != nullptr && IsWindowVisible(editor); }, 5000)) {
        EXPECT_TRUE(IsWindowVisible(info));
        EXPECT_TRUE(Above(info, editor)) << "the note lies in front of the editor it names the key for";
        Sleep(600);  // the note comes back in front within a quarter of a second
    }
    SaveScreenshot(GetDesktopWindow(), "regedit-information");
    EXPECT_EQ(TextsThatDoNotFitJoined(info), "");
    // The longest key it names, RunServices', fits as well.
    SetWindowTextA(GetDlgItem(info, regeditinfo::IdcKeyPath), "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\RunServices");
    EXPECT_EQ(TextsThatDoNotFitJoined(info), "");
    Post(info, IDOK);
    ASSERT_TRUE(Gone(info));
    // The registry editor it started is closed again.
    if (editor != nullptr) {
        PostMessageA(editor, WM_CLOSE, 0, 0);
        EXPECT_TRUE(Gone(editor));
    }
    ASSERT_TRUE(EscapeWithoutSaving(install, dialog));
}

TEST_F(ConfigDialogs, AboutShowsTheVersionAndHelpOffersTheChoiceOnceTheDocumentationIsThere) {
    ConfigInstall install;
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);

    MenuCommand(dialog, IdHelpAbout);
    HWND about = install.WaitForDialogTitled("Orvane v1.0");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Text(about, about::IdcWebSite), "http://www.orvane.example");
    EXPECT_NE(SendDlgItemMessageA(about, about::IdcPicture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "the picture is shown";
    SaveScreenshot(about, "about");
    EXPECT_EQ(TextsThatDoNotFitJoined(about, "MS Sans Serif", 9), "");
    Post(about, IDOK);
    ASSERT_TRUE(Gone(about));

    PostMessageA(GetDlgItem(dialog, IdcManagerList), WM_KEYDOWN, VK_F1, 0);  // the framework's Help command
    HWND box = install.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), install.dir + "Doc\\Contents.htm\n\nThe help file could not be found.");
    Post(box, IDOK);
    ASSERT_TRUE(Gone(box));

    // As the build placed it beside the programs.
    CreateDirectoryA((install.dir + "Doc").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((Env("ORVANE_BIN") + "\\Doc\\Contents.htm").c_str(), (install.dir + "Doc\\Contents.htm").c_str(),
                          FALSE));
    MenuCommand(dialog, IdHelpContents);
    HWND help = install.WaitForDialogTitled("Orvane Help");
    ASSERT_NE(help, nullptr);
    SaveScreenshot(help, "help-choice");
    EXPECT_EQ(TextsThatDoNotFitJoined(help), "");
    EXPECT_EQ(MnemonicTrouble(help), "");
    Post(help, IDCANCEL);
    ASSERT_TRUE(Gone(help));

    // Local opens the page: with .htm associated as the by-hand prefix has
    // it, no failure is told.
    MenuCommand(dialog, IdHelpContents);
    help = install.WaitForDialogTitled("Orvane Help");
    ASSERT_NE(help, nullptr);
    Post(help, helpchoice::IdcLocal);
    ASSERT_TRUE(Gone(help));
    EXPECT_EQ(install.WaitForMessageBox(3000), nullptr);
    ASSERT_TRUE(EscapeWithoutSaving(install, dialog));
}

}  // namespace
