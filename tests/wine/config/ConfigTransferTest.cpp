// Items moved by OrvaneConfig.exe under Wine, worked from outside as a
// person would: the real Startup folder of the user, the real registry, the
// real shortcuts, and the runner launching what was taken in.
#include <windows.h>

#include <algorithm>

#include <commctrl.h>
#include <algorithm>
#include <shlobj.h>
#include <gtest/gtest.h>

#include "common/RunnerSettings.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellLinks.h"
#include "config/ConfigResources.h"
#include "config/dialogs/RegLocationIds.h"
#include "tests/wine/config/ConfigProcess.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/TextFit.h"

using namespace config;

namespace {

const char* const RunServicesKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
using Names = std::vector<std::string>;

std::string Value(const char* key, const std::string& name) {
    Win32Registry registry;
    RegistryValue value;
    auto opened = registry.Open(RegistryRoot::LocalMachine, key, RegistryAccess::Read);
    return opened && opened->Query(name, value) ? value.Text() : std::string("<missing>");
}

void SetValue(const char* key, const std::string& name, const std::string& text) {
    Win32Registry registry;
    registry.Create(RegistryRoot::LocalMachine, key)->SetString(name, text);
}

void DeleteValue(const char* key, const std::string& name) {
    Win32Registry registry;
    if (auto opened = registry.Open(RegistryRoot::LocalMachine, key, RegistryAccess::All)) opened->DeleteValue(name);
}

// The string values of a key a list shows, the runner's own left out, in
// the order the list shows them.
Names StringValues(RegistryRoot root, const char* key) {
    Win32Registry registry;
    auto opened = registry.Open(root, key, RegistryAccess::Read);
    RegistryValue value;
    Names names;
    for (uint32_t index = 0; opened && opened->Enumerate(index, value) == RegistryEnum::Value; ++index)
        if (value.type == REG_SZ && value.name != settings::kRunValue) names.push_back(value.name);
    return names;
}

int IndexOf(const Names& names, const std::string& name) {
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

std::string ValueIn(RegistryRoot root, const std::string& name) {
    Win32Registry registry;
    RegistryValue value;
    auto opened = registry.Open(root, settings::kRunKey, RegistryAccess::Read);
    return opened && opened->Query(name, value) ? value.Text() : std::string("<missing>");
}

void DeleteValueIn(RegistryRoot root, const std::string& name) {
    Win32Registry registry;
    if (auto opened = registry.Open(root, settings::kRunKey, RegistryAccess::All)) opened->DeleteValue(name);
}

// Asked of the shell itself, as for the user's folder.
std::string CommonStartupFolder() {
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_COMMON_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\";
}

// Selects one row the way the keyboard does.
void SelectRow(HWND dialog, int list, int row) {
    HWND hwnd = GetDlgItem(dialog, list);
    SendMessageA(hwnd, WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < row; ++i) SendMessageA(hwnd, WM_KEYDOWN, VK_DOWN, 0);
}

// A press whose handler may open a box: posted, so the test stays free to answer it.
void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool PressIn(HWND box, int id) {
    return PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

void CloseAndWait(ConfigInstall& install, HWND dialog) {
    ASSERT_TRUE(EscapeWithoutSaving(install, dialog));
}

class ConfigTransfer : public ::testing::Test {
protected:
    void SetUp() override { EmptyDirectory(StartupFolder()); }
    void TearDown() override {
        EmptyDirectory(StartupFolder());
        for (const char* name : {"Mail Check", "Old", "Svc", "Plain", "Dll", "NUL", "_NUL"}) {
            DeleteValue(settings::kRunKey, name);
            DeleteValue(RunServicesKey, name);
        }
        DeleteValue(settings::kRunKey, settings::kRunValue);
        if (auto key = Win32Registry().Open(RegistryRoot::CurrentUser, settings::kRunKey, RegistryAccess::All))
            key->DeleteValue(settings::kRunValue);
    }
};

TEST_F(ConfigTransfer, AStartupShortcutGoesInAndBack) {
    ConfigInstall install;
    MakeShortcut(StartupFolder() + "Alpha.lnk", "C:\\windows\\notepad.exe", "");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(Rows(dialog, IdcStartupList), 1) << "the user's own Startup folder is listed";

    SelectRow(dialog, IdcStartupList, 0);
    SendMessageA(GetDlgItem(dialog, IdcAdd), BM_CLICK, 0, 0);
    EXPECT_EQ(FileNames(install.dir + "Startup\\"), (Names{"Alpha.lnk"}));
    EXPECT_TRUE(FileNames(StartupFolder()).empty());
    SelectRow(dialog, IdcManagerList, 0);
    SendMessageA(GetDlgItem(dialog, IdcRemove), BM_CLICK, 0, 0);
    EXPECT_EQ(FileNames(StartupFolder()), (Names{"Alpha.lnk"}));
    EXPECT_TRUE(FileNames(install.dir + "Startup\\").empty());
    EXPECT_EQ(Rows(dialog, IdcStartupList), 1);
    CloseAndWait(install, dialog);
}

// A program path with a blank, a program named without its extension, and a
// value named after a device: each comes back as the same command.
TEST_F(ConfigTransfer, RunValuesGoInAndComeBackAsTheSameCommands) {
    ConfigInstall install;
    const std::string command = "\"" + install.dir + "mail.exe\" -check";
    const std::string dll = " C:\\WINDOWS\\SYSTEM\\X.DLL,Entry";
    SetValue(settings::kRunKey, "Mail Check", command);
    SetValue(settings::kRunKey, "Dll", "RUNDLL32" + dll);
    SetValue(settings::kRunKey, "NUL", "C:\\windows\\notepad.exe");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    ASSERT_TRUE(SelectAllRows(install, GetDlgItem(dialog, IdcRunList)));
    SendMessageA(GetDlgItem(dialog, IdcRegistryAdd), BM_CLICK, 0, 0);
    EXPECT_EQ(install.WaitForMessageBox(500), nullptr);
    for (const char* name : {"Mail Check", "Dll", "NUL"}) EXPECT_EQ(Value(settings::kRunKey, name), "<missing>") << name;
    Names taken = FileNames(install.dir + "Startup\\");
    std::sort(taken.begin(), taken.end());
    EXPECT_EQ(taken, (Names{"Dll.lnk", "Mail Check.lnk", "_NUL.lnk"}));
    SaveScreenshot(dialog, "run-values-taken-in");
    SendMessageA(GetDlgItem(dialog, 3), BM_CLICK, 0, 0);  // the advanced view's Close
    ASSERT_TRUE(install.WaitForExit(10000));
    // In the Run list's order (Wine lists values by name).
    EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"),
              "\"Dll\", \"Run\", \"\"\r\n\"Mail Check\", \"Run\", \"\"\r\n\"_NUL\", \"Run\", \"\"\r\n");

    // Their Source sends them back to the Run key without a question.
    ASSERT_TRUE(install.Start());
    dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    ASSERT_TRUE(SelectAllRows(install, GetDlgItem(dialog, IdcManagerList)));
    SendMessageA(GetDlgItem(dialog, IdcRegistryRemove), BM_CLICK, 0, 0);
    EXPECT_EQ(Value(settings::kRunKey, "Mail Check"), command);
    EXPECT_EQ(Value(settings::kRunKey, "_NUL"), "C:\\windows\\notepad.exe ");
    // As it went, or its program found on the search path and named in full.
    const std::string back = Value(settings::kRunKey, "Dll");
    ASSERT_GT(back.size(), dll.size());
    const std::string program = back.substr(0, back.size() - dll.size());
    EXPECT_EQ(back.substr(program.size()), dll) << back;
    EXPECT_TRUE(program == "RUNDLL32" || (program.find_first_of(" \"") == std::string::npos &&
                                          GetFileAttributesA(program.c_str()) != INVALID_FILE_ATTRIBUTES))
        << back;
    EXPECT_TRUE(FileNames(install.dir + "Startup\\").empty());
    EXPECT_EQ(Rows(dialog, IdcRunList), 3);
    CloseAndWait(install, dialog);
}

TEST_F(ConfigTransfer, AnUnmarkedShortcutAsksWhereToGoAndNeverReplacesAValueUnasked) {
    ConfigInstall install;
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    MakeShortcut(install.dir + "Startup\\Plain.lnk", "C:\\windows\\notepad.exe", "");
    SetValue(RunServicesKey, "Plain", "C:\\other.exe");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    SelectRow(dialog, IdcManagerList, 0);
    Press(dialog, IdcRegistryRemove);

    HWND location = nullptr;
    // Found as soon as it exists, the dialog may not have set its controls yet.
    ASSERT_TRUE(WaitUntil([&] { return (location = FindWindowA("#32770", "Registry Location")) != nullptr; }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(location, reglocation::IdcItemName)) == "Plain"; }, 5000));
    SaveScreenshot(location, "registry-location");
    EXPECT_EQ(TextsThatDoNotFitJoined(location), "");
    EXPECT_EQ(SendMessageA(GetDlgItem(location, reglocation::IdcRadioRun), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(GetDlgItem(location, reglocation::IdcRadioRunServices), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(GetDlgItem(location, reglocation::IdcRadioRun), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    PressIn(location, IDOK);
    EXPECT_EQ(AnswerBox(install, IDNO),
              "Plain\n\nA registry value of this name already exists in the RunServices list.\nReplace it?");
    EXPECT_EQ(install.WaitForMessageBox(500), nullptr) << "No says nothing more";
    EXPECT_EQ(Value(RunServicesKey, "Plain"), "C:\\other.exe");
    EXPECT_EQ(FileNames(install.dir + "Startup\\"), (Names{"Plain.lnk"}));
    EXPECT_EQ(Rows(dialog, IdcManagerList), 1);
    CloseAndWait(install, dialog);
}

TEST_F(ConfigTransfer, TheDeleteKeyAsksAndRestoreSendsEachItemHome) {
    ConfigInstall install;
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    MakeShortcut(install.dir + "Startup\\Back.lnk", "C:\\windows\\notepad.exe", "");
    MakeShortcut(install.dir + "Startup\\Svc.lnk", "C:\\windows\\svc.exe", "-q");
    MakeShortcut(install.dir + "Startup\\Stay.lnk", "C:\\windows\\stay.exe", "");
    WriteFileBytes(install.dir + "Orvane.ini", "\"Back\", \"Startup\", \"\"\r\n\"Svc\", \"Services\", \"\"\r\n");
    WriteFileBytes(StartupFolder() + "Junk.txt", "junk");
    SetValue(settings::kRunKey, "Old", "C:\\old.exe");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);

    SelectRow(dialog, IdcStartupList, 0);
    PostMessageA(GetDlgItem(dialog, IdcStartupList), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(AnswerBox(install, IDYES), "Are you sure you want to delete this file?");
    EXPECT_TRUE(WaitUntil([&] { return FileNames(StartupFolder()).empty(); }, 5000));

    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    SelectRow(dialog, IdcRunList, 0);
    PostMessageA(GetDlgItem(dialog, IdcRunList), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(AnswerBox(install, IDYES), "Are you sure you want to delete this registry link?");
    EXPECT_EQ(AnswerBox(install, IDYES), "Are you sure you know what you are doing?");
    EXPECT_TRUE(WaitUntil([&] { return Value(settings::kRunKey, "Old") == "<missing>"; }, 5000));

    const int services = Rows(dialog, IdcRunServicesList);
    EXPECT_EQ(RestoreAll(install, dialog), "Are you sure you want to restore all items\nto their original locations?");
    EXPECT_TRUE(WaitUntil([&] { return Rows(dialog, IdcManagerList) == 1; }, 5000));
    EXPECT_EQ(install.WaitForMessageBox(500), nullptr) << "everything marked went home: no summary";
    EXPECT_EQ(FileNames(install.dir + "Startup\\"), (Names{"Stay.lnk"}));
    EXPECT_EQ(FileNames(StartupFolder()), (Names{"Back.lnk"}));
    EXPECT_EQ(Value(RunServicesKey, "Svc"), "C:\\windows\\svc.exe -q");
    EXPECT_EQ(Rows(dialog, IdcRunServicesList), services + 1);
    SaveScreenshot(dialog, "after-restore");
    CloseAndWait(install, dialog);
}

TEST_F(ConfigTransfer, AnItemNamedLikeTheRunnersOwnValueStaysAndSaysWhy) {
    ConfigInstall install;
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    MakeShortcut(install.dir + "Startup\\Orvane.lnk", "C:\\windows\\notepad.exe", "");
    WriteFileBytes(install.dir + "Orvane.ini", "\"Orvane\", \"Run\", \"\"\r\n");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    SelectRow(dialog, IdcManagerList, 0);
    Press(dialog, IdcRegistryRemove);
    EXPECT_EQ(AnswerBox(install, IDOK), "Orvane\n\nThe Run list keeps this name for Orvane's own start-up entry.  "
                                        "Rename the item before moving it to the registry.");
    EXPECT_EQ(Value(settings::kRunKey, settings::kRunValue), "<missing>");
    EXPECT_EQ(FileNames(install.dir + "Startup\\"), (Names{"Orvane.lnk"}));
    // Close then registers the runner under its own name, and the item is still there.
    SendMessageA(GetDlgItem(dialog, IdcCloseAdvanced), BM_CLICK, 0, 0);
    ASSERT_TRUE(install.WaitForExit(10000));
    EXPECT_EQ(FileNames(install.dir + "Startup\\"), (Names{"Orvane.lnk"}));
    EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"), "\"Orvane\", \"Run\", \"\"\r\n");
}

TEST_F(ConfigTransfer, ItemsOfTheUsersRunKeyTheAllUsersFolderAndThe32BitViewGoBackWhereTheyCameFrom) {
    ConfigInstall install;
    const std::string common = CommonStartupFolder();
    ASSERT_NE(common, "\\");
    DeleteFileA((common + "Shared.lnk").c_str());
    MakeShortcut(common + "Shared.lnk", "C:\\windows\\notepad.exe", "-shared");
    Win32Registry registry;
    registry.Create(RegistryRoot::CurrentUser, settings::kRunKey)->SetString("Own", "C:\\windows\\own.exe -u");
    registry.Create(RegistryRoot::LocalMachine32, settings::kRunKey)->SetString("Old32", "C:\\windows\\old32.exe -w");
    // A 32-bit program sees the 32-bit view as the machine's own key.
    const bool view = registry.HasSeparate32BitView();
    if (view) {
        ASSERT_EQ(ValueIn(RegistryRoot::LocalMachine, "Old32"), "<missing>") << "the 32-bit view is a key of its own";
    }
    // The Run list shows the machine's values, then the user's, then the 32-bit view's.
    const int machine = static_cast<int>(StringValues(RegistryRoot::LocalMachine, settings::kRunKey).size());
    const Names userValues = StringValues(RegistryRoot::CurrentUser, settings::kRunKey);
    const Names oldValues = StringValues(RegistryRoot::LocalMachine32, settings::kRunKey);
    const int user = static_cast<int>(userValues.size()), old = view ? static_cast<int>(oldValues.size()) : 0;
    const int startup = static_cast<int>(FileNames(common).size());

    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IdcAdvanced), BM_CLICK, 0, 0);
    ASSERT_EQ(Rows(dialog, IdcRunList), machine + user + old);
    ASSERT_EQ(Rows(dialog, IdcStartupList), startup);
    SaveScreenshot(dialog, "every-place");
    // Both taken in at once, the user's first: a swept selection, since the
    // keyboard's Home may keep a row that has just left.
    ASSERT_EQ(machine + user + old, 2) << "the prefix's Run keys hold the test's values only";
    ASSERT_TRUE(SelectAllRows(install, GetDlgItem(dialog, IdcRunList)));
    SendMessageA(GetDlgItem(dialog, IdcRegistryAdd), BM_CLICK, 0, 0);
    const Names shared = FileNames(common);
    SelectRow(dialog, IdcStartupList, IndexOf(shared, "Shared.lnk"));
    SendMessageA(GetDlgItem(dialog, IdcAdd), BM_CLICK, 0, 0);
    EXPECT_EQ(ValueIn(RegistryRoot::CurrentUser, "Own"), "<missing>");
    EXPECT_EQ(ValueIn(RegistryRoot::LocalMachine32, "Old32"), "<missing>");
    EXPECT_EQ(FileNames(common).size(), static_cast<std::size_t>(startup - 1));
    EXPECT_EQ(FileNames(install.dir + "Startup\\"), (Names{"Old32.lnk", "Own.lnk", "Shared.lnk"}));
    SaveScreenshot(dialog, "every-place-taken-in");
    SendMessageA(GetDlgItem(dialog, IdcCloseAdvanced), BM_CLICK, 0, 0);
    ASSERT_TRUE(install.WaitForExit(10000));
    EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"),
              view ? "\"Own\", \"UserRun\", \"\"\r\n\"Old32\", \"Run32\", \"\"\r\n\"Shared\", \"AllStartup\", \"\"\r\n"
                   : "\"Old32\", \"Run\", \"\"\r\n\"Own\", \"UserRun\", \"\"\r\n\"Shared\", \"AllStartup\", \"\"\r\n");

    ASSERT_TRUE(install.Start());
    dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(RestoreAll(install, dialog), "Are you sure you want to restore all items\nto their original locations?");
    EXPECT_TRUE(WaitUntil([&] { return Rows(dialog, IdcManagerList) == 0; }, 5000));
    EXPECT_EQ(ValueIn(RegistryRoot::CurrentUser, "Own"), "C:\\windows\\own.exe -u");
    EXPECT_EQ(ValueIn(RegistryRoot::LocalMachine32, "Old32"), "C:\\windows\\old32.exe -w");
    EXPECT_EQ(ValueIn(RegistryRoot::LocalMachine, "Own"), "<missing>");
    if (view) {
        EXPECT_EQ(ValueIn(RegistryRoot::LocalMachine, "Old32"), "<missing>");
    }
    EXPECT_EQ(FileNames(common).size(), static_cast<std::size_t>(startup));
    EXPECT_EQ(GetFileAttributesA((common + "Shared.lnk").c_str()) != INVALID_FILE_ATTRIBUTES, true);
    EXPECT_TRUE(FileNames(StartupFolder()).empty());
    CloseAndWait(install, dialog);
    DeleteFileA((common + "Shared.lnk").c_str());
    DeleteValueIn(RegistryRoot::CurrentUser, "Own");
    DeleteValueIn(RegistryRoot::LocalMachine32, "Old32");
}

}  // namespace
