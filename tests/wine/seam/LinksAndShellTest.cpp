#include <windows.h>

#include "platform/WinValues.h"
#include "tests/wine/seam/SeamTest.h"

namespace {

using LinksAndShellSeam = SeamTest;

std::string SystemDirectory() {
    char buffer[MAX_PATH];
    const UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
    return std::string(buffer, length);
}

TEST_F(LinksAndShellSeam, AShortcutIsWrittenAndReadBackFieldByField) {
    const std::string target = At("Tool.exe");
    WriteRaw(target, "MZ");
    const ShortcutFields fields{target, "/min /x:\"a b\"", At(""), "A tool for the seam test"};
    ASSERT_TRUE(links.InitializeCom());
    EXPECT_TRUE(links.Save(At("Tool.lnk"), fields));
    ShortcutFields read;
    EXPECT_TRUE(links.Load(At("Tool.lnk"), read));
    EXPECT_FALSE(links.Load(At("Missing.lnk"), read));
    EXPECT_FALSE(links.Load(target, read));  // not a shortcut
    links.UninitializeCom();

    EXPECT_EQ(read.target, fields.target);
    EXPECT_EQ(read.arguments, fields.arguments);
    EXPECT_EQ(read.workingDirectory, fields.workingDirectory);
    EXPECT_EQ(read.description, fields.description);
    FileEntry entry;
    EXPECT_TRUE(files.Lookup(At("Tool.lnk"), entry));
}

class LaunchSeam : public SeamTest {
protected:
    // A shortcut to the command interpreter that leaves a file behind.
    std::string ShortcutLeaving(const std::string& name, const std::string& proof) {
        const ShortcutFields fields{SystemDirectory() + "\\cmd.exe", "/c echo launched> \"" + proof + "\"", At(""),
                                    ""};
        EXPECT_TRUE(links.InitializeCom());
        EXPECT_TRUE(links.Save(At(name), fields));
        links.UninitializeCom();
        return At(name);
    }
    bool Appears(const std::string& path) {
        FileEntry entry;
        for (int waited = 0; waited < 300; ++waited, Sleep(100))
            if (files.Lookup(path, entry)) return true;
        return false;
    }
};

TEST_F(LaunchSeam, AShortcutLaunchesItsTarget) {
    const std::string shortcut = ShortcutLeaving("Launch.lnk", At("launched.txt"));
    EXPECT_EQ(shell.Execute("", shortcut, "", At(""), win::SwShowNormal), 33);
    EXPECT_TRUE(Appears(At("launched.txt"))) << "the shortcut's target did not run within 30 s";

    const std::string again = ShortcutLeaving("Again.lnk", At("again.txt"));
    EXPECT_TRUE(shell.ExecuteEx("", again, "", At(""), win::SwShowNormal));
    EXPECT_TRUE(Appears(At("again.txt"))) << "the shortcut's target did not run within 30 s";
}

// ShellExecuteExA fails quietly: a box of the shell's own would block this
// thread until somebody closed it, so a watcher closes any and says so.
TEST_F(LaunchSeam, AMissingFileGivesTwoAndNoBoxOfTheShell) {
    EXPECT_EQ(shell.Execute("", At("Missing.lnk"), "", "", win::SwShowNormal), win::SeErrFileNotFound);
    struct Watch {
        DWORD thread;
        volatile bool done = false;
        volatile bool boxSeen = false;
    } watch{GetCurrentThreadId()};
    HANDLE watcher = CreateThread(
        nullptr, 0,
        [](LPVOID param) -> DWORD {
            auto& w = *static_cast<Watch*>(param);
            for (int i = 0; i < 100 && !w.done; ++i, Sleep(50)) {
                EnumThreadWindows(
                    w.thread,
                    [](HWND hwnd, LPARAM seen) -> BOOL {
                        char name[16] = {};
                        GetClassNameA(hwnd, name, sizeof name);
                        if (IsWindowVisible(hwnd) && std::string(name) == "#32770") {
                            *reinterpret_cast<volatile bool*>(seen) = true;
                            PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
                        }
                        return TRUE;
                    },
                    reinterpret_cast<LPARAM>(&w.boxSeen));
            }
            return 0;
        },
        &watch, 0, nullptr);
    EXPECT_FALSE(shell.ExecuteEx("", At("Missing.lnk"), "", "", win::SwShowNormal));
    watch.done = true;
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    EXPECT_FALSE(watch.boxSeen);
}

}  // namespace
