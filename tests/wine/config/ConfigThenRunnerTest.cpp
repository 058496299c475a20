// The two programs together: what the configuration program leaves, the
// runner started through the Run value runs.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/RunnerSettings.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellLinks.h"
#include "tests/wine/config/ConfigProcess.h"

namespace {

// Wine lists a folder in name order, as NTFS does: the order the user sets
// holds all the same.
TEST(ConfigThenRunner, TheRunnerRunsWhatTheConfigurationLeftInTheUsersOrder) {
    const std::string bin = Env("ORVANE_BIN") + "\\";
    if (GetFileAttributesA((bin + "Orvane.exe").c_str()) == INVALID_FILE_ATTRIBUTES ||
        GetFileAttributesA((bin + "wine_runner_probe.exe").c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the build has no runner or no probe";

    ConfigInstall install;
    const std::string log = install.dir + "launches.log";
    CreateDirectoryA((install.dir + "Startup").c_str(), nullptr);
    Win32ShellLinks links;
    links.InitializeCom();
    for (const char* name : {"Alpha", "Bravo", "Charlie"}) {
        ShortcutFields fields;
        fields.target = bin + "wine_runner_probe.exe";
        fields.arguments = std::string(name) + " \"" + log + "\"";
        fields.workingDirectory = Env("ORVANE_BIN");
        ASSERT_TRUE(links.Save(install.dir + "Startup\\" + name + ".lnk", fields));
    }
    links.UninitializeCom();
    // Launches a tick apart can start their processes in either order, so
    // every item after the first waits long enough to be told apart.
    WriteFileBytes(install.dir + "Orvane.ini",
                   "\"Alpha\", \"\", \"2\"\r\n\"Bravo\", \"Startup\", \"2\"\r\n\"Charlie\", \"\", \"1\"\r\n");
    {
        Win32Registry registry;
        auto key = registry.Create(RegistryRoot::CurrentUser, settings::kKey);
        key->SetDword(settings::kPlacement, 1);
        key->SetDword(settings::kMinimized, 0);
        key->SetDword(settings::kCloseWhenFinished, 1);
    }

    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    // The last item moved to the top.
    HWND list = GetDlgItem(dialog, 1012);
    SendMessageA(list, WM_KEYDOWN, VK_END, 0);
    for (int press = 0; press < 2; ++press)
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1016, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1016)));
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(install.WaitForExit(10000));

    ASSERT_TRUE(RunTheRunnerAsWindowsWould(20000)) << "the runner did not close itself";

    const std::vector<ProbeLaunch> launched = ReadProbeLog(log);
    ASSERT_EQ(launched.size(), 3u);
    EXPECT_EQ(launched[0].name, "Charlie");
    EXPECT_EQ(launched[1].name, "Alpha");
    EXPECT_EQ(launched[2].name, "Bravo");
    // The waits of 2 seconds (1 to 2 on the clock's seconds), kept through the save.
    EXPECT_GE(launched[1].time - launched[0].time, 900u);
    EXPECT_GE(launched[2].time - launched[1].time, 900u);
}

}  // namespace
