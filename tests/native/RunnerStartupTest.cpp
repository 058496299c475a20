#include <gtest/gtest.h>

#include "runner/RunnerApp.h"
#include "tests/native/RunnerWorld.h"
#include "ui/headless/HeadlessControls.h"

using namespace runner;

namespace {

const char* FirstRun = "OrvaneConfig must be run at least once before this\nprogram may be used.";

TEST(RunnerStartup, WithoutRecordedPathsShowsFirstRunMessageAndCancels) {
    for (const char* emptied : {settings::kConfigPath, settings::kIniPath}) {
        RunnerWorld r;
        r.world.registry.SetString(RegistryRoot::CurrentUser, settings::kKey, emptied, "");
        r.AddItem("Mail", "");
        r.Open();
        ASSERT_EQ(r.world.messages.shown.size(), 1u) << emptied;
        EXPECT_EQ(r.world.messages.shown[0].text, FirstRun);
        EXPECT_EQ(r.world.messages.shown[0].style, win::MbIconExclamation);
        EXPECT_TRUE(r.host.HasEnded());
        EXPECT_EQ(r.host.Result(), win::IdCancel);
        EXPECT_FALSE(r.host.HasTimer(SequencerTimer));
        EXPECT_TRUE(r.Launched().empty());
    }
}

TEST(RunnerStartup, WithoutSettingsKeyTheCloseBoxStaysClear) {
    MemoryWorld world{"C:\\ORVANE\\Orvane.exe"};
    Platform platform = world.platform();
    CRunnerDlg dialog(platform);
    HeadlessDialogHost host(dialog);
    host.Open();
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, FirstRun);
    EXPECT_EQ(host.Result(), win::IdCancel);
    EXPECT_EQ(host.Button(IdcCloseWhenFinished).Check(), 0);
}

TEST(RunnerStartup, EmptyManagerEndsSilently) {
    RunnerWorld onlyFolders;
    onlyFolders.world.files.AddDirectory("C:\\ORVANE\\Startup\\Sub");
    RunnerWorld missing;
    missing.world.files.RemoveEmptyDirectory("C:\\ORVANE\\Startup");
    for (RunnerWorld* r : {&onlyFolders, &missing}) {
        r->Open();
        EXPECT_TRUE(r->world.messages.shown.empty());
        EXPECT_EQ(r->host.Result(), win::IdCancel);
        EXPECT_FALSE(r->host.HasTimer(SequencerTimer));
    }
}

TEST(RunnerStartup, ListsManagerInDirectoryOrderAndStartsTheRun) {
    RunnerWorld r;
    r.AddItem("Zeta", "");
    r.AddItem("Alpha", "");
    r.world.files.AddDirectory("C:\\ORVANE\\Startup\\Folder");
    r.world.files.AddFile("C:\\ORVANE\\Startup\\Alpha.exe", "", win::FileAttributeHidden | win::FileAttributeSystem);
    ASSERT_TRUE(r.Open());
    auto& list = dynamic_cast<HeadlessListBox&>(r.host.ListBox(IdcRunList));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Line(0), "Zeta");
    EXPECT_EQ(list.Line(1), "Alpha");
    EXPECT_EQ(list.Line(2), "Alpha");
    EXPECT_EQ(list.CurSel(), -1);
    EXPECT_EQ(r.host.IconId(), IdiRunner);
    EXPECT_EQ(r.dialog.MinimizedIcon(), IdiRunner);
    // StartRun: green lamp, the template's status text, Skip and Run Now off.
    EXPECT_EQ(r.Lamp(), IdbGo);
    EXPECT_EQ(r.Status(), "Static");
    EXPECT_FALSE(r.host.Button(IdcSkip).IsEnabled());
    EXPECT_FALSE(r.host.Button(IdcRunNow).IsEnabled());
    EXPECT_EQ(r.host.Button(IdcPause).Text(), "&Pause");
    EXPECT_EQ(r.host.TimerInterval(SequencerTimer), 1u);
    EXPECT_EQ(r.host.Button(IdcCloseWhenFinished).Check(), 1);  // default
    EXPECT_TRUE(r.world.messages.shown.empty());
    r.host.Tick(3);
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("Zeta"), r.Item("Alpha"),
                                                      "C:\\ORVANE\\Startup\\Alpha.exe"}));
    EXPECT_EQ(r.world.shell.launches[0].directory, "C:\\ORVANE\\Startup");
    EXPECT_EQ(r.world.shell.launches[0].verb, "");
    EXPECT_EQ(r.world.shell.launches[0].showCommand, win::SwShowNormal);
    EXPECT_NE(r.world.shell.launches[0].process, 0u);
    // Each process is held while its first minute is measured, after the window too.
    EXPECT_EQ(r.world.shell.open.size(), 3u);
    EXPECT_TRUE(r.host.HasEnded());
    r.dialog.FinishMeasuring();
    EXPECT_TRUE(r.world.shell.open.empty());
    EXPECT_TRUE(r.world.processes.openJobs.empty());
}

TEST(RunnerStartup, UnreadableWaitFileIsReportedAndItemsRunWithoutWaits) {
    RunnerWorld r;
    r.AddItem("Mail", "30");
    r.world.faults.Add(Fault::Open, RunnerWorld::Ini);
    r.Open();
    ASSERT_EQ(r.world.messages.shown.size(), 1u);
    EXPECT_EQ(r.world.messages.shown[0].text,
              "C:\\ORVANE\\Orvane.ini\nThere was an error reading this file.  Wait times will not be used.");
    EXPECT_EQ(r.world.messages.shown[0].style, win::MbIconExclamation);
    r.host.Tick();
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("Mail")});
}

TEST(RunnerStartup, CloseWhenFinishedFollowsTheSetting) {
    for (uint32_t value : {0u, 1u, 2u}) {
        RunnerWorld r;
        r.SetOption(settings::kCloseWhenFinished, value);
        r.AddItem("Mail", "");
        r.Open();
        EXPECT_EQ(r.host.Button(IdcCloseWhenFinished).Check(), value ? 1 : 0);
    }
}

// The headless dialog is 291 x 391 pixels at the origin (190 x 225 dialog units).
TEST(RunnerStartup, PlacesTheWindow) {
    struct Case {
        int placement;  // -1: not set
        bool workAreaFails;
        int x, y;
    };
    for (Case c : {Case{0, false, 0, 0}, Case{1, false, 512 - 145, 384 - 195}, Case{-1, false, 512 - 145, 384 - 195},
                   Case{2, false, 0, 740 - 391}, Case{7, false, 0, 740 - 391}, Case{2, true, 0, 768 - 391},
                   Case{0x1FF, false, 0, 740 - 391}}) {
        RunnerWorld r;
        if (c.placement >= 0) r.SetOption(settings::kPlacement, static_cast<uint32_t>(c.placement));
        r.world.screen.workAreaFails = c.workAreaFails;
        r.AddItem("Mail", "");
        const Rect before = r.host.WindowRect();
        ASSERT_EQ(before.right, 291);
        ASSERT_EQ(before.bottom, 391);
        r.Open();
        EXPECT_EQ(r.host.WindowRect(), (Rect{c.x, c.y, c.x + 291, c.y + 391})) << c.placement;
        EXPECT_FALSE(r.host.IsMinimized());
    }
}

TEST(RunnerStartup, MinimizedStartStillRuns) {
    RunnerWorld r;
    r.SetOption(settings::kMinimized, 1);
    r.AddItem("Mail", "");
    r.Open();
    EXPECT_TRUE(r.host.IsMinimized());
    r.host.Tick();
    EXPECT_EQ(r.Launched().size(), 1u);
}

// Each item takes the wait of its own line, whatever the line order.
TEST(RunnerStartup, ItemsRunInTheOrderOfTheirLinesEachWithItsOwnWait) {
    RunnerWorld r;
    r.AddItem("A", "", true);
    r.AddItem("B", "", true);
    r.AddItem("C", "", true);
    r.AddLine("Gone", "9");
    r.AddLine("C", "0");
    r.AddLine("B", "2");  // A has no line: it runs last, without a wait
    r.Open();
    r.host.Tick();  // C: its 0
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("C")});
    r.host.Tick();  // B counts its own 2
    EXPECT_EQ(r.Status(), "2");
    r.NextSecond();
    r.NextSecond();
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("C"), r.Item("B")}));
    r.host.Tick();
    EXPECT_EQ(r.Launched().size(), 3u);
    EXPECT_EQ(r.Launched()[2], r.Item("A"));
}

TEST(RunnerApp, RunsTheDialogOnceAndEnds) {
    MemoryWorld world{"C:\\ORVANE\\Orvane.exe"};
    Platform platform = world.platform();
    int runs = 0;
    CRunnerApp app(platform, [&](CDialog& dialog) {
        ++runs;
        EXPECT_EQ(dialog.Template().resourceId, IddRunner);
        return win::IdCancel;
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(runs, 1);
    // A second runner of the same session ends at once, showing nothing.
    CRunnerApp second(platform, [&](CDialog&) { return ++runs; });
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(runs, 1);
}

}  // namespace
