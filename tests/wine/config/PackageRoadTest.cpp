// The package as an administrator uses it, from outside, with the real
// msiexec: a silent install; the installed configuration takes in a Startup
// shortcut, a Run value and an item with no origin; a second install of the
// same package and one of a newer keep all three; a silent removal puts each
// back (the one without an origin into the user's Startup folder) and leaves
// no runner's Run value and no entry in the list of installed programs.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include "common/RunnerSettings.h"
#include "config/ConfigResources.h"
#include "platform/win32/Win32Registry.h"
#include "tests/wine/config/ConfigProcess.h"
#include "tests/wine/support/Screenshot.h"

using namespace config;

namespace {

constexpr char UninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

void Press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ShellFolder(int csidl) {
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\";
}

// A command's exit code, or -1 when it did not end within two minutes; with
// output, its standard output and error go to that file, as a script's
// redirection sends them.
long RunCommand(std::string command, const std::string& output = "") {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE file = output.empty() ? INVALID_HANDLE_VALUE
                                 : CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (file != INVALID_HANDLE_VALUE) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = file;
    }
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, &command[0], nullptr, nullptr, file != INVALID_HANDLE_VALUE, 0, nullptr, nullptr, &startup, &process);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!started) return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<long>(code);
}

long Msiexec(const std::string& arguments) {
    return RunCommand("msiexec " + arguments);
}

// The entry of the installed programs' list named Orvane: "version publisher
// size", or empty without one.
std::string InstalledEntry() {
    HKEY list = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallKey, 0, KEY_READ, &list) != ERROR_SUCCESS) return "";
    std::string entry;
    char name[256];
    for (DWORD index = 0; entry.empty(); ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(list, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        Win32Registry registry;
        auto key = registry.Open(RegistryRoot::LocalMachine, std::string(UninstallKey) + "\\" + name, RegistryAccess::Read);
        RegistryValue display, version, publisher, size;
        if (!key || !key->Query("DisplayName", display) || display.Text() != "Orvane") continue;
        key->Query("DisplayVersion", version);
        key->Query("Publisher", publisher);
        key->Query("Size", size);
        entry = version.Text() + " " + publisher.Text() + " " + size.Text();
    }
    RegCloseKey(list);
    return entry;
}

std::string RunValue(const char* name, RegistryRoot root = RegistryRoot::LocalMachine) {
    Win32Registry registry;
    RegistryValue value;
    auto key = registry.Open(root, settings::kRunKey, RegistryAccess::Read);
    return key && key->Query(name, value) ? value.Text() : "(none)";
}

// The runner's entry, the user's; "(none)" in the machine's key too.
std::string RunnerValue() {
    const std::string machine = RunValue(settings::kRunValue);
    return machine == "(none)" ? RunValue(settings::kRunValue, RegistryRoot::CurrentUser) : "machine: " + machine;
}

TEST(PackageRoad, InstalledUpgradedAndRemovedSilentlyEveryItemGoesBack) {
    const std::string bin = Env("ORVANE_BIN") + "\\";
    const std::string package = bin + "..\\..\\package\\Orvane.msi", newer = bin + "..\\upgrade\\Orvane.msi";
    const std::string installed = ShellFolder(CSIDL_LOCAL_APPDATA) + "Orvane\\", manager = installed + "Startup\\";
    const std::string startup = StartupFolder();
    // What an earlier run may have left in this prefix goes first.
    Msiexec("/x \"" + newer + "\" /qn");
    Msiexec("/x \"" + package + "\" /qn");
    EmptyDirectory(manager);
    EmptyDirectory(startup);
    DeleteFileA((installed + "Orvane.ini").c_str());
    DeleteFileA((installed + "Restore.txt").c_str());

    ASSERT_EQ(Msiexec("/i \"" + package + "\" /qn"), 0);
    for (const char* file : {"Orvane.exe", "OrvaneConfig.exe", "Doc\\Contents.htm"})
        EXPECT_NE(GetFileAttributesA((installed + file).c_str()), INVALID_FILE_ATTRIBUTES) << file;
    EXPECT_NE(GetFileAttributesA((ShellFolder(CSIDL_PROGRAMS) + "Orvane Configuration.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    const std::string entry = InstalledEntry();
    EXPECT_EQ(entry.substr(0, entry.rfind(' ')), "1.0.0 Quillmark");
    EXPECT_GT(std::atoi(entry.substr(entry.rfind(' ') + 1).c_str()), 300);  // kilobytes

    // A Startup shortcut, a Run value, and a shortcut put straight into the
    // manager folder: no origin on record.
    MakeShortcut(startup + "Clock.lnk", "C:\\windows\\notepad.exe", "clock.txt");
    Win32Registry registry;
    registry.Create(RegistryRoot::LocalMachine, settings::kRunKey)->SetString("News", "C:\\windows\\notepad.exe news.txt");
    CreateDirectoryA(manager.c_str(), nullptr);
    MakeShortcut(manager + "Loose.lnk", "C:\\windows\\notepad.exe", "loose.txt");

    ConfigInstall config(ConfigInstall::Installed{installed});
    ASSERT_TRUE(config.Start());
    HWND dialog = config.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(SelectAllRows(config, GetDlgItem(dialog, IdcStartupList)));
    Press(dialog, IdcAdd);
    Press(dialog, IdcAdvanced);
    SendMessageA(GetDlgItem(dialog, IdcRunList), WM_KEYDOWN, VK_HOME, 0);
    Press(dialog, IdcRegistryAdd);
    ASSERT_EQ(Rows(dialog, IdcManagerList), 3);
    SaveScreenshot(dialog, "package-1-installed-config");
    Press(dialog, IdcCloseAdvanced);
    ASSERT_TRUE(config.WaitForExit(10000));
    const std::string ini = ReadFileBytes(installed + "Orvane.ini");
    // "<-- Add" puts its row at the top.
    EXPECT_EQ(ini, "\"News\", \"Run\", \"\"\r\n\"Loose\", \"\", \"\"\r\n\"Clock\", \"Startup\", \"\"\r\n");
    EXPECT_EQ(RunnerValue(), installed + "Orvane.exe");

    // The same package again, then a newer one: the programs change, the
    // manager's items and their lines stay.
    for (const std::string& again : {package, newer}) {
        SCOPED_TRACE(again);
        ASSERT_EQ(Msiexec("/i \"" + again + "\" /qn"), 0);
        EXPECT_EQ(FileNames(manager), (std::vector<std::string>{"Clock.lnk", "Loose.lnk", "News.lnk"}));
        EXPECT_EQ(ReadFileBytes(installed + "Orvane.ini"), ini);
        EXPECT_EQ(RunnerValue(), installed + "Orvane.exe");
        EXPECT_NE(GetFileAttributesA((installed + "OrvaneConfig.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    }
    EXPECT_EQ(InstalledEntry().substr(0, 6), "1.0.1 ");

    ASSERT_EQ(Msiexec("/x \"" + newer + "\" /qn"), 0);
    EXPECT_EQ(FileNames(startup), (std::vector<std::string>{"Clock.lnk", "Loose.lnk"}));
    EXPECT_EQ(RunValue("News"), "C:\\windows\\notepad.exe news.txt");
    EXPECT_EQ(RunnerValue(), "(none)");
    EXPECT_EQ(InstalledEntry(), "");
    // The settings went with the programs.
    EXPECT_EQ(registry.Open(RegistryRoot::CurrentUser, std::string("Software\\") + settings::kCompanyKey + "\\OrvaneConfig",
                            RegistryAccess::Read),
              nullptr);
    // Nothing was left in the manager, so nothing of it stays.
    EXPECT_FALSE(DirectoryExists(installed));
    EXPECT_EQ(GetFileAttributesA((ShellFolder(CSIDL_PROGRAMS) + "Orvane Configuration.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    registry.Open(RegistryRoot::LocalMachine, settings::kRunKey, RegistryAccess::All)->DeleteValue("News");
}

// What cannot go back keeps the manager folder, its line and a report; the
// programs, the runner's Run value and the entry go all the same.
TEST(PackageRoad, ARemovalKeepsWhatCannotGoBack) {
    const std::string package = Env("ORVANE_BIN") + "\\..\\..\\package\\Orvane.msi";
    const std::string installed = ShellFolder(CSIDL_LOCAL_APPDATA) + "Orvane\\", manager = installed + "Startup\\";
    const std::string startup = StartupFolder();
    ASSERT_EQ(Msiexec("/i \"" + package + "\" /qn"), 0);
    EmptyDirectory(startup);
    MakeShortcut(startup + "Mail.lnk", "C:\\windows\\notepad.exe", "theirs.txt");
    CreateDirectoryA(manager.c_str(), nullptr);
    MakeShortcut(manager + "Mail.lnk", "C:\\windows\\notepad.exe", "ours.txt");
    WriteFileBytes(installed + "Orvane.ini", "\"Mail\", \"Startup\", \"5\"\r\n");
    Win32Registry registry;
    registry.Create(RegistryRoot::LocalMachine, settings::kRunKey)->SetString(settings::kRunValue, installed + "Orvane.exe");

    ASSERT_EQ(Msiexec("/x \"" + package + "\" /qn"), 0);
    EXPECT_EQ(FileNames(manager), (std::vector<std::string>{"Mail.lnk"}));
    EXPECT_EQ(ReadFileBytes(installed + "Orvane.ini"), "\"Mail\", \"Startup\", \"5\"\r\n");
    EXPECT_NE(ReadFileBytes(installed + "Restore.txt").find("Mail.lnk, for " + startup), std::string::npos);
    EXPECT_EQ(FileNames(startup), (std::vector<std::string>{"Mail.lnk"}));
    EXPECT_EQ(GetFileAttributesA((installed + "OrvaneConfig.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(RunnerValue(), "(none)");
    EXPECT_EQ(InstalledEntry(), "");
    EmptyDirectory(manager);
    EmptyDirectory(installed);
    RemoveDirectoryA(manager.c_str());
    RemoveDirectoryA(installed.c_str());
}

// An administrator's road: the configuration of a prepared machine listed
// and exported by script, the programs removed (which leaves the machine new
// to Orvane), and the export deployed with a silent install; taken in again
// with /replace, it exports the same file.
TEST(PackageRoad, AScriptListsExportsAndDeploysTheConfiguration) {
    const std::string package = Env("ORVANE_BIN") + "\\..\\..\\package\\Orvane.msi";
    const std::string installed = ShellFolder(CSIDL_LOCAL_APPDATA) + "Orvane\\", manager = installed + "Startup\\";
    const std::string config = "\"" + installed + "OrvaneConfig.exe\" ";
    const std::string startup = StartupFolder(), scripts = FreshFolder("script");
    const std::string exported = scripts + "orvane export.txt", listed = scripts + "list.csv";
    const std::string ini = "\"Почта\", \"Startup\", \"idle\", \"7\"\r\n\"Clock\", \"Startup\", \"3\"\r\n";
    ASSERT_EQ(Msiexec("/i \"" + package + "\" /qn"), 0);
    EmptyDirectory(startup);
    CreateDirectoryA(manager.c_str(), nullptr);
    EmptyDirectory(manager);
    MakeShortcut(manager + "Почта.lnk", "C:\\windows\\notepad.exe", "mail.txt");
    MakeShortcut(manager + "Clock.lnk", "C:\\windows\\notepad.exe", "clock.txt");
    WriteFileBytes(installed + "Orvane.ini", ini);
    MakeShortcut(startup + "Paper.lnk", "C:\\windows\\notepad.exe", "paper.txt");
    Win32Registry registry;
    registry.Create(RegistryRoot::CurrentUser, settings::kRunKey)->SetString("News", "C:\\windows\\notepad.exe news.txt");
    const std::string approved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
    registry.Create(RegistryRoot::CurrentUser, approved)->Set("News", REG_BINARY, std::string("\x03\0\0\0\0\0\0\0\0\0\0\0", 12));
    const std::string settingsKey = std::string("Software\\") + settings::kCompanyKey + "\\OrvaneConfig\\" + settings::kSection;
    registry.Create(RegistryRoot::CurrentUser, settingsKey)->SetDword(settings::kIdleSeconds, 9);

    ASSERT_EQ(RunCommand(config + "/list", listed), 0);
    const std::string list = ReadFileBytes(listed);
    EXPECT_EQ(list.substr(0, list.find('\n') + 1), "Place,Name,Command,File,Enabled,Source,Wait,Options,Impact\r\n");
    for (const char* row : {"\r\nManager,Почта,C:\\windows\\notepad.exe mail.txt,Почта.lnk,on,Startup,7,idle,\r\n",
                            "\r\nManager,Clock,C:\\windows\\notepad.exe clock.txt,Clock.lnk,on,Startup,3,,\r\n",
                            "\r\nStartup,Paper,C:\\windows\\notepad.exe paper.txt,Paper.lnk,on,,,,\r\n",
                            "\r\nUserRun,News,C:\\windows\\notepad.exe news.txt,News,off,,,,\r\n"})
        EXPECT_NE(list.find(row), std::string::npos) << row << "\n" << list;
    ASSERT_EQ(RunCommand(config + "/export \"" + exported + "\""), 0);
    const std::string file = ReadFileBytes(exported);
    EXPECT_EQ(file.substr(0, 24), "Orvane configuration,1\r\n");
    EXPECT_NE(file.find("setting,IdleSeconds,9\r\n"), std::string::npos) << file;

    ASSERT_EQ(Msiexec("/x \"" + package + "\" /qn"), 0);
    EmptyDirectory(startup);
    ASSERT_FALSE(DirectoryExists(installed));
    ASSERT_EQ(Msiexec("/i \"" + package + "\" CONFIG=\"" + exported + "\" /qn"), 0);
    EXPECT_EQ(FileNames(manager), (std::vector<std::string>{"Clock.lnk", "Почта.lnk"}));
    EXPECT_EQ(ReadFileBytes(installed + "Orvane.ini"), ini);
    EXPECT_EQ(RunnerValue(), installed + "Orvane.exe");
    // The install takes the items in; the settings come with /replace.
    ASSERT_EQ(RunCommand(config + "/import \"" + exported + "\" /replace /quiet"), 0);
    const std::string again = scripts + "again.txt";
    ASSERT_EQ(RunCommand(config + "/export \"" + again + "\""), 0);
    EXPECT_EQ(ReadFileBytes(again), file);

    ASSERT_EQ(Msiexec("/x \"" + package + "\" /qn"), 0);
    EXPECT_EQ(FileNames(startup), (std::vector<std::string>{"Clock.lnk", "Почта.lnk"}));
    EmptyDirectory(startup);
    registry.Open(RegistryRoot::CurrentUser, settings::kRunKey, RegistryAccess::All)->DeleteValue("News");
    registry.Open(RegistryRoot::CurrentUser, approved, RegistryAccess::All)->DeleteValue("News");
}

}  // namespace
