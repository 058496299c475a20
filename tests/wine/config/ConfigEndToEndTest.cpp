// OrvaneConfig.exe under Wine, worked from outside: what a first start
// creates and publishes, and what each way out leaves in Orvane.ini and in
// the runner's Run value.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "common/RunnerSettings.h"
#include "platform/win32/Win32Registry.h"
#include "config/ConfigResources.h"
#include "tests/wine/config/ConfigProcess.h"

using namespace config;

namespace {

std::string Setting(const char* name) {
    Win32Registry registry;
    RegistryValue value;
    auto key = registry.Open(RegistryRoot::CurrentUser, settings::kKey, RegistryAccess::Read);
    return key && key->Query(name, value) ? value.Text() : std::string("<missing>");
}

void ClearSettings() {
    Win32Registry registry;
    if (auto key = registry.Open(RegistryRoot::CurrentUser, settings::kKey, RegistryAccess::All))
        for (const char* name : {settings::kConfigPath, settings::kIniPath}) key->DeleteValue(name);
}

// The runner's entry: the user's; an older version's was the machine's.
std::string RunValue(RegistryRoot root = RegistryRoot::CurrentUser) {
    Win32Registry registry;
    RegistryValue value;
    auto key = registry.Open(root, settings::kRunKey, RegistryAccess::Read);
    return key && key->Query(settings::kRunValue, value) ? value.Text() : std::string("<missing>");
}

void SetRunValue(const std::string& text) {
    Win32Registry registry;
    registry.Create(RegistryRoot::LocalMachine, settings::kRunKey)->SetString(settings::kRunValue, text);
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Answer(HWND box, int button) {
    SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
}

// A manager holding three items named so that name order is their order.
struct Managed {
    ConfigInstall install;
    Managed() {
        CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
        for (const char* name : {"1 Alpha", "2 Bravo", "3 Charlie"})
            WriteFileBytes(install.dir + "Startup\\" + name + ".txt", name);
        WriteFileBytes(install.dir + "Orvane.ini", Ini);
        SetRunValue("C:\\elsewhere\\Orvane.exe");
    }
    static constexpr const char* Ini = "\"1 Alpha\", \"\", \"\"\r\n\"2 Bravo\", \"Run\", \"5\"\r\n\"Old\", \"\", \"\"\r\n";
    std::string Runner() const { return "\"" + install.dir + "Orvane.exe\""; }
    // Starts the program and moves the last manager row one place up.
    HWND StartAndMove() {
        if (!install.Start()) return nullptr;
        HWND dialog = install.WaitForDialog();
        if (dialog == nullptr) return nullptr;
        SelectLastRow(dialog, IdcManagerList);
        Click(dialog, IdcManagerUp);
        return dialog;
    }
    // Whether the manager information file and the directory are as they were.
    void ExpectNothingSaved() {
        EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"), Ini);
        EXPECT_FALSE(DirectoryExists(install.dir + "Roc"));
        EXPECT_EQ(RunValue(), Runner());
        EXPECT_EQ(RunValue(RegistryRoot::LocalMachine), "<missing>");  // an older version's entry moved
    }
};

class ConfigEndToEnd : public ::testing::Test {
protected:
    void SetUp() override { EmptyDirectory(StartupFolder()); }
    void TearDown() override { EmptyDirectory(StartupFolder()); }
};

TEST_F(ConfigEndToEnd, AFirstStartMakesTheManagerDirectoryAndPublishesBothPaths) {
    ClearSettings();
    ConfigInstall install;
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(DirectoryExists(install.dir + "Startup"));
    EXPECT_EQ(Setting(settings::kConfigPath), install.dir);
    EXPECT_EQ(Setting(settings::kIniPath), install.dir + "Orvane.ini");
    EXPECT_EQ(install.WaitForMessageBox(300), nullptr) << "the runner lies beside it: no warning";

    PostMessageA(GetDlgItem(dialog, IdcManagerList), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
    EXPECT_EQ(RunValue(), "<missing>");  // the manager is empty
}

TEST_F(ConfigEndToEnd, AStartWithoutTheRunnerWarnsAndGoesOn) {
    ConfigInstall install(false);
    ASSERT_TRUE(install.Start());
    HWND box = install.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Orvane.exe not found.\n\nThis file is required to launch managed items at Windows startup.\n"
                                "It must be located in the same directory as this program:\n" + install.dir);
    Answer(box, IDOK);
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDOK);
    EXPECT_TRUE(install.WaitForExit(10000));
}

TEST_F(ConfigEndToEnd, CloseWithAnEmptyManagerEmptiesTheFileAndRemovesTheRunValue) {
    ConfigInstall install;
    WriteFileBytes(install.dir + "Orvane.ini", Managed::Ini);
    SetRunValue("C:\\elsewhere\\Orvane.exe");
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDOK);
    ASSERT_TRUE(install.WaitForExit(10000));
    EXPECT_EQ(ReadFileBytes(install.dir + "Orvane.ini"), "");
    EXPECT_EQ(RunValue(), "<missing>");
}

TEST_F(ConfigEndToEnd, CloseWithItemsWritesEveryLineInUtf8AndRegistersTheRunnerQuoted) {
    Managed m;
    // A line an older version wrote in the ANSI code page (1252 here).
    WriteFileBytes(m.install.dir + "Startup\\4 Café.txt", "cafe");
    WriteFileBytes(m.install.dir + "Orvane.ini", std::string(Managed::Ini) + "\"4 Caf\xE9\", \"Run\", \"7\"\r\n");
    WriteFileBytes(StartupFolder() + "Mail.txt", "mail");
    ASSERT_TRUE(m.install.Start());
    HWND dialog = m.install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Rows(dialog, IdcManagerList), 4);
    EXPECT_EQ(Rows(dialog, IdcStartupList), 1);
    Click(dialog, IdcAdvanced);
    Click(dialog, IdcCloseAdvanced);
    ASSERT_TRUE(m.install.WaitForExit(10000));
    EXPECT_EQ(ReadFileBytes(m.install.dir + "Orvane.ini"),
              "\"1 Alpha\", \"\", \"\"\r\n\"2 Bravo\", \"Run\", \"5\"\r\n\"4 Café\", \"Run\", \"7\"\r\n"
              "\"3 Charlie\", \"\", \"\"\r\n");
    EXPECT_EQ(RunValue(), m.Runner());
}

TEST_F(ConfigEndToEnd, ATitleBarCloseAfterAMoveAsksAndYesSaves) {
    Managed m;
    HWND dialog = m.StartAndMove();
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_CLOSE, 0, 0);

    HWND prompt = m.install.WaitForMessageBox();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(MessageText(prompt), "Do you want to save changes before exiting?");
    EXPECT_NE(GetDlgItem(prompt, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(prompt, IDNO), nullptr);
    Answer(prompt, IDYES);
    // Wine keeps the directory sorted by name; the order holds in the lines.
    ASSERT_TRUE(m.install.WaitForExit(10000));

    EXPECT_EQ(ReadFileBytes(m.install.dir + "Orvane.ini"),
              "\"1 Alpha\", \"\", \"\"\r\n\"3 Charlie\", \"\", \"\"\r\n\"2 Bravo\", \"Run\", \"5\"\r\n");
    EXPECT_EQ(FileNames(m.install.dir + "Startup\\"), (std::vector<std::string>{"1 Alpha.txt", "2 Bravo.txt", "3 Charlie.txt"}));
    EXPECT_TRUE(FileNames(m.install.dir + "Roc\\").empty());
    EXPECT_EQ(RunValue(), m.Runner());
}

TEST_F(ConfigEndToEnd, ATitleBarCloseAnsweredNoOnlyRegistersTheRunner) {
    Managed m;
    HWND dialog = m.StartAndMove();
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    HWND prompt = m.install.WaitForMessageBox();
    ASSERT_NE(prompt, nullptr);
    Answer(prompt, IDNO);
    ASSERT_TRUE(m.install.WaitForExit(10000));
    m.ExpectNothingSaved();
}

TEST_F(ConfigEndToEnd, EscapeAfterAMoveAsksCanStayAndNoOnlyRegistersTheRunner) {
    Managed m;
    HWND dialog = m.StartAndMove();
    ASSERT_NE(dialog, nullptr);
    for (int answer : {IDCANCEL, IDNO}) {
        PostMessageA(GetDlgItem(dialog, IdcManagerList), WM_KEYDOWN, VK_ESCAPE, 0);
        HWND prompt = m.install.WaitForMessageBox();
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(MessageText(prompt), "Do you want to save changes before exiting?");
        Answer(prompt, answer);
    }
    ASSERT_TRUE(m.install.WaitForExit(10000));
    m.ExpectNothingSaved();
}

TEST_F(ConfigEndToEnd, F5RebuildsTheListsFromDiskAndKeepsWhatIsNotSaved) {
    Managed m;
    HWND dialog = m.StartAndMove();
    ASSERT_NE(dialog, nullptr);
    WriteFileBytes(m.install.dir + "Startup\\4 Delta.txt", "delta");
    WriteFileBytes(StartupFolder() + "Mail.txt", "mail");
    PostMessageA(GetDlgItem(dialog, IdcStartupList), WM_KEYDOWN, VK_F5, 0);
    EXPECT_TRUE(WaitUntil([&] { return Rows(dialog, IdcManagerList) == 4 && Rows(dialog, IdcStartupList) == 1; }, 5000));
    Click(dialog, IDOK);
    ASSERT_TRUE(m.install.WaitForExit(10000));
    EXPECT_EQ(ReadFileBytes(m.install.dir + "Orvane.ini"), "\"1 Alpha\", \"\", \"\"\r\n\"3 Charlie\", \"\", \"\"\r\n"
                                                           "\"2 Bravo\", \"Run\", \"5\"\r\n\"4 Delta\", \"\", \"\"\r\n");
}

}  // namespace
