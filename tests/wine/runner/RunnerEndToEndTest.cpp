#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "common/RunnerSettings.h"
#include "platform/win32/Win32Registry.h"
#include "runner/RunnerIds.h"
#include "tests/wine/runner/RunnerProcess.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/TextFit.h"

using namespace runner;

namespace {

HWND WaitForBox(const RunnerInstall& install, DWORD milliseconds) {
    return install.WaitForWindow(
        "#32770", [](HWND hwnd) { return GetDlgItem(hwnd, 0xFFFF) && !GetDlgItem(hwnd, IdcRunList); }, milliseconds);
}

// Another program's window, put in front of the runner as a person would by
// clicking it.
class FrontWindow {
public:
    FrontWindow()
        : m_hwnd(CreateWindowExA(0, "STATIC", "Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300, 300, 200,
                                 nullptr, nullptr, nullptr, nullptr)) {}
    ~FrontWindow() { DestroyWindow(m_hwnd); }
    FrontWindow(const FrontWindow&) = delete;
    FrontWindow& operator=(const FrontWindow&) = delete;

    bool ComeToFront() {
        SetForegroundWindow(m_hwnd);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        return GetForegroundWindow() == m_hwnd;
    }

private:
    HWND m_hwnd;
};

// Values a test writes into the user's Run key, gone again however it ends:
// the whole suite shares the prefix.
class UserRunValues {
public:
    UserRunValues() = default;
    UserRunValues(const UserRunValues&) = delete;
    UserRunValues& operator=(const UserRunValues&) = delete;
    ~UserRunValues() {
        if (auto key = m_registry.Open(RegistryRoot::CurrentUser, settings::kRunKey, RegistryAccess::All))
            for (const std::string& name : m_names) key->DeleteValue(name);
    }
    void Set(const std::string& name, const std::string& command) {
        m_names.push_back(name);
        m_registry.Create(RegistryRoot::CurrentUser, settings::kRunKey)->SetString(name, command);
    }

private:
    Win32Registry m_registry;
    std::vector<std::string> m_names;
};

// Sorted: items without a wait start together, and their probes log in any order.
std::vector<std::string> LaunchedNames(const RunnerInstall& install) {
    std::vector<std::string> names;
    for (const ProbeLaunch& launch : install.Log()) names.push_back(launch.name);
    std::sort(names.begin(), names.end());
    return names;
}

// Across processes Wine hands a list's text over as Unicode only.
std::string RunLine(HWND dialog, int row) {
    wchar_t wide[256] = L"";
    SendDlgItemMessageW(dialog, IdcRunList, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(wide));
    return std::string(wide, wide + wcslen(wide));
}

TEST(RunnerEndToEnd, NamesWhatAppearedWhereWindowsStartsProgramsAndLeavesWhatWindowsStartsToIt) {
    RunnerInstall install;
    install.AddItem("Mike", "");
    install.AddItem("Oscar", "");
    install.WriteIni();
    install.WriteSettings();
    // The first start only notes what the places hold.
    ASSERT_TRUE(install.Start());
    // Had it shown a box, it would have stayed open; and still running, it
    // would outlive the test: the install ends only the program started last.
    HWND firstBox = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (firstBox = WaitForBox(install, 0)) != nullptr || install.WaitForExit(0); }, 15000));
    ASSERT_EQ(firstBox, nullptr) << MessageText(firstBox);
    EXPECT_TRUE(WaitUntil([&] { return install.Log().size() >= 2; }, 10000));
    EXPECT_EQ(LaunchedNames(install), (std::vector<std::string>{"Mike", "Oscar"}));
    const std::string seen = install.dir + "Orvane.seen";
    ASSERT_NE(GetFileAttributesA(seen.c_str()), INVALID_FILE_ATTRIBUTES);

    // Mike's program put itself back into the user's Run key, and a program
    // never seen before came in beside it.
    UserRunValues values;
    values.Set("Mike", install.ItemCommand("Mike"));
    values.Set("Fresh", "C:\\Program Files\\Fresh\\fresh.exe /tray");
    install.WriteSettings(0, 0, 0);
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForWindow("#32770", IsRunnerDialog, 15000);
    ASSERT_NE(dialog, nullptr);
    HWND box = WaitForBox(install, 10000);
    ASSERT_NE(box, nullptr);
    const std::string text = MessageText(box);
    EXPECT_NE(text.find("\nHKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\n    Fresh\n"),
              std::string::npos)
        << text;
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
    // The run goes on under the box: Windows starts Mike, Orvane only Oscar.
    EXPECT_TRUE(WaitUntil([&] { return RunnerStatus(dialog) == "Stopped"; }, 10000)) << RunnerStatus(dialog);
    EXPECT_TRUE(WaitUntil([&] { return install.Log().size() >= 3; }, 10000));
    EXPECT_EQ(LaunchedNames(install), (std::vector<std::string>{"Mike", "Oscar", "Oscar"}));
    EXPECT_EQ(RunLine(dialog, 0), "Mike - started by Windows itself");
    EXPECT_NE(ReadFileBytes(seen).find("UserRun\tnew\tFresh"), std::string::npos) << ReadFileBytes(seen);
    SaveScreenshot(GetDesktopWindow(), "runner-new-entries");

    SendMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
}

TEST(RunnerEndToEnd, LaunchesTheItemsInOrderWithTheirWaitsAndClosesItself) {
    RunnerInstall install;
    install.AddItem("Alpha", "");
    install.AddItem("Bravo", "3");
    install.AddItem("Charlie", "1");
    install.WriteIni();
    install.WriteSettings();
    ASSERT_TRUE(install.Start());

    HWND dialog = install.WaitForWindow("#32770", IsRunnerDialog, 15000);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IdcRunList, LB_GETCOUNT, 0, 0), 3);
    // Bravo counts down on the window: 3, 2 or 1 on a yellow lamp.
    std::string seen;
    EXPECT_TRUE(WaitUntil(
        [&] {
            seen = RunnerStatus(dialog);
            return seen == "2";
        },
        5000))
        << "status " << seen;

    ASSERT_TRUE(install.WaitForExit(15000)) << "the runner did not close itself";
    const std::vector<ProbeLaunch> log = install.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].name, "Alpha");
    EXPECT_EQ(log[1].name, "Bravo");
    EXPECT_EQ(log[2].name, "Charlie");
    // A wait of n lasts at least n - 1 seconds, however busy the host, and
    // begins only once the item before it was launched.
    const long long bravo = static_cast<long long>(log[1].time - log[0].time);
    const long long charlie = static_cast<long long>(log[2].time - log[1].time);
    EXPECT_GE(bravo, 1900);
    EXPECT_GE(charlie, 0);
    const std::map<std::string, LoggedLaunch> logged = install.RunLogLaunches();
    ASSERT_EQ(logged.size(), 3u) << install.RunLog();
    EXPECT_EQ(logged.at("Alpha").waitFrom, -1);
    EXPECT_GE(logged.at("Bravo").waitFrom, logged.at("Alpha").launchedAt);
    EXPECT_GE(logged.at("Bravo").launchedAt - logged.at("Bravo").waitFrom, 2000);
    EXPECT_GE(logged.at("Charlie").waitFrom, logged.at("Bravo").launchedAt);
    EXPECT_GE(logged.at("Charlie").launchedAt, logged.at("Charlie").waitFrom);
    std::printf("launch offsets: Bravo %lld ms after Alpha (wait 3), Charlie %lld ms after Bravo (wait 1); "
                "Bravo %llu ms and Charlie %llu ms past a second boundary\n",
                bravo, charlie, log[1].time % 1000, log[2].time % 1000);
}

TEST(RunnerEndToEnd, ButtonsSteerTheRunAndCloseEndsIt) {
    RunnerInstall install;
    install.AddItem("Delta", "30");
    install.AddItem("Echo", "");
    HWND dialog = StartCountingDownFrom30(install);
    ASSERT_NE(dialog, nullptr);

    SendMessageA(GetDlgItem(dialog, IdcPause), BM_CLICK, 0, 0);
    EXPECT_EQ(RunnerStatus(dialog), "Paused");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IdcPause)), "Resume");
    SendMessageA(GetDlgItem(dialog, IdcRunNone), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return RunnerStatus(dialog) == "Stopped"; }, 5000));
    EXPECT_FALSE(install.WaitForExit(500)) << "the close box is clear: the window stays";
    // Ended: the run's own buttons grey; Close stays.
    for (int id : {IdcPause, IdcNoWait, IdcRunNone}) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
    // The longest status the run shows reads whole, and every other text.
    SendMessageA(GetDlgItem(dialog, IdcStatus), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Idle? 100%"));
    EXPECT_EQ(TextsThatDoNotFitJoined(dialog), "");
    EXPECT_EQ(MnemonicTrouble(dialog), "");

    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
    EXPECT_TRUE(install.Log().empty());
}

// The runner's boxes belong to its window even when another program is in
// front: the window is disabled (its buttons take no clicks) until the answer.
TEST(RunnerEndToEnd, BoxesHoldTheRunnerWindowWhileAnotherProgramIsInFront) {
    RunnerInstall install;
    install.AddItem("Golf", "30");
    install.AddUnopenable("Hotel", "");
    HWND dialog = StartCountingDownFrom30(install);
    ASSERT_NE(dialog, nullptr);
    // Paused, the runner leaves the front to the other program.
    SendMessageA(GetDlgItem(dialog, IdcPause), BM_CLICK, 0, 0);
    FrontWindow front;
    ASSERT_TRUE(WaitUntil([&] { return front.ComeToFront(); }, 5000));

    // A click on Hotel in the run list, as the list box reports it.
    HWND list = GetDlgItem(dialog, IdcRunList);
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IdcRunList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    HWND question = WaitForBox(install, 10000);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageText(question),
              "You selected another program.  Are you sure you want\nto start running the programs starting at that "
              "point?");
    EXPECT_EQ(GetWindow(question, GW_OWNER), dialog);
    EXPECT_FALSE(IsWindowEnabled(dialog));

    // Yes: the run goes on at Hotel, which no program opens.
    SendMessageA(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
    HWND error = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            front.ComeToFront();
            error = WaitForBox(install, 0);
            return error != nullptr;
        },
        10000));
    // The system's own words for the number follow, as Wine puts them.
    EXPECT_EQ(MessageText(error), install.dir + "Startup\\Hotel.orvanenone\nThere was an error running this program."
                                                "\n\nError 31: No associated application.");
    EXPECT_EQ(GetWindow(error, GW_OWNER), dialog);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    SendMessageA(GetDlgItem(error, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return RunnerStatus(dialog) == "Stopped"; }, 5000));
    EXPECT_TRUE(IsWindowEnabled(dialog));

    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
    EXPECT_TRUE(install.Log().empty());
}

TEST(RunnerEndToEnd, ComesBackToTheFrontWhileItCountsDown) {
    RunnerInstall install;
    install.AddItem("Juliet", "30");
    HWND dialog = StartCountingDownFrom30(install);
    ASSERT_NE(dialog, nullptr);
    for (int time = 0; time < 2; ++time) {
        FrontWindow front;
        ASSERT_TRUE(WaitUntil([&] { return front.ComeToFront(); }, 5000));
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }, 3000)) << "time " << time;
    }

    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
}

TEST(RunnerEndToEnd, StartedMinimisedStaysMinimised) {
    RunnerInstall install;
    install.AddItem("India", "30");
    install.WriteIni();
    install.WriteSettings(0, 1, 0);
    ASSERT_TRUE(install.Start());
    HWND dialog = install.WaitForWindow("#32770", IsRunnerDialog, 15000);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return RunnerStatus(dialog) == "30" || RunnerStatus(dialog) == "29"; }, 5000));
    Sleep(1000);
    EXPECT_TRUE(IsIconic(dialog));
    // The person can still open it.
    ShowWindow(dialog, SW_RESTORE);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(dialog); }, 5000));

    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
}

TEST(RunnerEndToEnd, FirstRunMessageAppearsAndTheProgramEnds) {
    RunnerInstall install;
    install.AddItem("Foxtrot", "");
    install.WriteIni();
    RunnerInstall::RemoveSettings();
    ASSERT_TRUE(install.Start());
    HWND box = install.WaitForWindow(
        "#32770", [](HWND hwnd) { return GetDlgItem(hwnd, IDOK) && !GetDlgItem(hwnd, IdcRunList); }, 15000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Orvane");
    EXPECT_EQ(MessageText(box),
              "OrvaneConfig must be run at least once before this\nprogram may be used.");
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
    EXPECT_TRUE(install.Log().empty());
}

TEST(RunnerEndToEnd, EmptyManagerEndsSilently) {
    RunnerInstall install;
    install.WriteIni();
    install.WriteSettings();
    ASSERT_TRUE(install.Start());
    bool windowSeen = false;
    const bool ended = WaitUntil(
        [&] {
            if (!install.Windows("#32770").empty()) windowSeen = true;
            return install.WaitForExit(0);
        },
        15000);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(windowSeen);
}

}  // namespace

// Windows starts the runner twice when its entry is in both Run keys (an
// older version's in the machine's): together, they launch each item once.
TEST(RunnerEndToEnd, TwoRunnersStartedTogetherLaunchEachItemOnce) {
    RunnerInstall install;
    install.AddItem("Golf", "");
    install.AddItem("Hotel", "1");
    install.WriteIni();
    install.WriteSettings();
    std::string command = "\"" + install.dir + "Orvane.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other{};
    ASSERT_TRUE(install.Start());
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &other));
    const DWORD otherEnded = WaitForSingleObject(other.hProcess, 20000);
    CloseHandle(other.hProcess);
    CloseHandle(other.hThread);
    ASSERT_EQ(otherEnded, WAIT_OBJECT_0);
    ASSERT_TRUE(install.WaitForExit(20000));
    std::vector<std::string> launched;
    for (const ProbeLaunch& launch : install.Log()) launched.push_back(launch.name);
    EXPECT_EQ(launched, (std::vector<std::string>{"Golf", "Hotel"}));
}
