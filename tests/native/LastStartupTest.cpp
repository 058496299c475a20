// View > Last Start-up: the runner's last run from Orvane.log, drawn.
#include <gtest/gtest.h>

#include "config/dialogs/LastStartupDlg.h"
#include "config/dialogs/LastStartupIds.h"
#include "tests/native/ConfigWorld.h"

namespace {

using namespace laststartup;

LoggedLaunch Launch(const char* name, long at, const char* waited, const char* result, long waitFrom, long idleFrom) {
    LoggedLaunch launch;
    launch.name = name;
    launch.launchedAt = at;
    launch.waited = waited;
    launch.result = result;
    launch.waitFrom = waitFrom;
    launch.idleFrom = idleFrom;
    return launch;
}

// The pixels of one colour along the middle of a launch's row, from left to right.
std::vector<int> ColumnsOf(const HeadlessCanvas& canvas, const DrawnText& name, uint32_t colour) {
    std::vector<int> columns;
    for (int x = 0; x < canvas.Bounds().right; ++x)
        if (canvas.Pixel(x, name.y + 6) == colour) columns.push_back(x);
    return columns;
}

TEST(LastStartup, EachLaunchIsARowWithItsWaitsAndItsMarkOnOneTimeAxis) {
    LoggedRun run;
    run.started = "2026-12-07 08:14:03 UTC";
    run.launches = {Launch("Alpha", 0, "wait", "ok", -1, -1), Launch("Bravo", 9000, "idle", "ok", 0, 5000),
                    Launch("Charlie", 12000, "longest", "2", 9000, 10000)};
    HeadlessCanvas canvas(460, 270, 0);
    DrawStartup(canvas, run);
    ASSERT_NE(canvas.FindText("Start-up 2026-12-07 08:14:03 UTC"), nullptr);
    const DrawnText* alpha = canvas.FindText("Alpha");
    const DrawnText* bravo = canvas.FindText("Bravo");
    const DrawnText* charlie = canvas.FindText("Charlie");
    ASSERT_TRUE(alpha && bravo && charlie);
    EXPECT_LT(alpha->y, bravo->y);
    EXPECT_LT(bravo->y, charlie->y);
    EXPECT_EQ(bravo->colour, Ink);
    EXPECT_EQ(charlie->colour, Failed);

    // Bravo: 5 s of plain wait, then 4 s of idle wait, then its launch.
    const std::vector<int> plain = ColumnsOf(canvas, *bravo, PlainWait);
    const std::vector<int> idle = ColumnsOf(canvas, *bravo, IdleWait);
    const std::vector<int> mark = ColumnsOf(canvas, *bravo, Launched);
    ASSERT_FALSE(plain.empty() || idle.empty() || mark.empty());
    EXPECT_LT(plain.back(), idle.front());
    EXPECT_LE(idle.back(), mark.front());
    EXPECT_NEAR(static_cast<double>(plain.size()) / idle.size(), 5.0 / 4.0, 0.1);
    // Alpha waited for nothing: a mark and no bars.
    EXPECT_EQ(ColumnsOf(canvas, *alpha, PlainWait), std::vector<int>{});
    EXPECT_EQ(ColumnsOf(canvas, *alpha, IdleWait), std::vector<int>{});
    // Alpha at the axis' start, Charlie's mark red and furthest right.
    const std::vector<int> alphaMark = ColumnsOf(canvas, *alpha, Launched);
    const std::vector<int> charlieMark = ColumnsOf(canvas, *charlie, Failed);
    ASSERT_FALSE(alphaMark.empty() || charlieMark.empty());
    EXPECT_LE(alphaMark.front(), plain.front());
    EXPECT_GT(charlieMark.front(), mark.back());
    EXPECT_EQ(ColumnsOf(canvas, *charlie, Launched), std::vector<int>{});
    // Bravo's mark stands where the axis reads 9 of Charlie's 12 seconds.
    const double bravoShare = static_cast<double>(mark.front() - alphaMark.front()) / (charlieMark.front() - alphaMark.front());
    EXPECT_NEAR(bravoShare, 0.75, 0.03);

    // The times are readable, the failure says its number.
    for (const char* label : {"0.0 s", "9.0 s (idle)", "12.0 s (longest) error 2", "0 s", "wait", "idle wait", "launch"})
        EXPECT_NE(canvas.FindText(label), nullptr) << label;
    EXPECT_EQ(canvas.FindText("12.0 s (longest) error 2")->colour, Failed);
    for (const DrawnText& text : canvas.Texts()) {
        EXPECT_GE(text.x, 0) << text.text;
        EXPECT_LE(text.x + 6 * static_cast<int>(text.text.size()), 460) << text.text;
    }
}

// At twice the dots per inch, in a picture twice as large, every length
// doubles: the texts stand where they stood, scaled, and each colour covers
// four times the pixels (a one-pixel line stays one pixel).
TEST(LastStartup, AtTwiceTheScaleEveryLengthDoubles) {
    LoggedRun run;
    run.started = "2026-12-07 08:14:03 UTC";
    run.launches = {Launch("Alpha", 0, "wait", "ok", -1, -1), Launch("Bravo", 9000, "idle", "ok", 0, 5000),
                    Launch("Charlie", 12000, "longest", "2", 9000, 10000)};
    HeadlessCanvas small(460, 270, 0), large(920, 540, 0, 192);
    DrawStartup(small, run);
    DrawStartup(large, run);
    ASSERT_EQ(small.Texts().size(), large.Texts().size());
    for (std::size_t i = 0; i < small.Texts().size(); ++i) {
        EXPECT_NEAR(large.Texts()[i].x, 2 * small.Texts()[i].x, 1) << small.Texts()[i].text;
        EXPECT_NEAR(large.Texts()[i].y, 2 * small.Texts()[i].y, 1) << small.Texts()[i].text;
    }
    const auto count = [](const HeadlessCanvas& canvas, uint32_t colour) {
        int pixels = 0;
        for (int y = 0; y < canvas.Bounds().bottom; ++y)
            for (int x = 0; x < canvas.Bounds().right; ++x) pixels += canvas.Pixel(x, y) == colour;
        return pixels;
    };
    for (uint32_t colour : {PlainWait, IdleWait, Launched, Failed})
        EXPECT_NEAR(count(large, colour), 4.0 * count(small, colour), 0.1 * 4 * count(small, colour)) << colour;
    // The legend's first swatch, left of its label, is 10 pixels wide at 96.
    const auto swatch = [](HeadlessCanvas& canvas) {
        const DrawnText* label = canvas.FindText("wait");
        int pixels = 0;
        for (int x = 0; label && x < label->x; ++x) pixels += canvas.Pixel(x, label->y + canvas.TextHeight() / 2) == PlainWait;
        return pixels;
    };
    EXPECT_EQ(swatch(small), 10);
    EXPECT_EQ(swatch(large), 20);
}

TEST(LastStartup, ANetworkWaitIsBlueAndAnItemNotStartedIsNoFailure) {
    LoggedRun run;
    run.started = "2026-12-07 08:14:03 UTC";
    LoggedLaunch chat = Launch("Chat", 8000, "wait", "ok", 0, -1);
    chat.netFrom = 2000;
    chat.network = "up";
    run.launches = {chat, Launch("Church", 8000, "wait", "day", -1, -1)};
    HeadlessCanvas canvas(460, 270, 0);
    DrawStartup(canvas, run);
    const DrawnText* name = canvas.FindText("Chat");
    const DrawnText* skipped = canvas.FindText("Church");
    ASSERT_TRUE(name && skipped);
    const std::vector<int> plain = ColumnsOf(canvas, *name, PlainWait);
    const std::vector<int> network = ColumnsOf(canvas, *name, NetworkWait);
    ASSERT_FALSE(plain.empty() || network.empty());
    EXPECT_LT(plain.back(), network.front());
    EXPECT_NEAR(static_cast<double>(network.size()) / plain.size(), 3.0, 0.2);
    EXPECT_EQ(skipped->colour, Ink);
    EXPECT_EQ(ColumnsOf(canvas, *skipped, Launched), std::vector<int>{});
    for (const char* label : {"8.0 s network up", "8.0 s not started (day)", "network"})
        EXPECT_NE(canvas.FindText(label), nullptr) << label;
}

TEST(LastStartup, EachMeasuredLaunchSaysItsRatingAndWhichFigureIsMissing) {
    LoggedRun run;
    run.started = "2026-12-07 08:14:03 UTC";
    const struct {
        const char* impact;
        long cpuMs;
        long long bytes;
        const char* label;
    } cases[] = {{"high", 1510, -1, "0.0 s  high: 1510 ms, disk not measured"},
                 {"medium", 20, 1572864, "1.0 s  medium: 20 ms, 1.5 MB"},
                 {"medium", -1, 307200, "2.0 s  medium: CPU not measured, 300 KB"},
                 {"unmeasured", -1, -1, "3.0 s  not measured"},
                 {"", -1, -1, "4.0 s"}};  // an older line
    long at = 0;
    for (const auto& each : cases) {
        LoggedLaunch launch = Launch("Item", at, "wait", "ok", -1, -1);
        launch.impact = each.impact;
        launch.cpuMs = each.cpuMs;
        launch.bytes = each.bytes;
        run.launches.push_back(launch);
        at += 1000;
    }
    HeadlessCanvas canvas(610, 270, 0);
    DrawStartup(canvas, run);
    for (const auto& each : cases) {
        const DrawnText* label = canvas.FindText(each.label);
        ASSERT_NE(label, nullptr) << each.label;
        EXPECT_LE(label->x + 6 * static_cast<int>(label->text.size()), 610) << each.label;
    }
}

TEST(LastStartup, TheViewMenuShowsTheLastRunOfTheLogOrSaysThereIsNone) {
    ConfigWorld w;
    ASSERT_TRUE(w.host.Open());
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        EXPECT_EQ(d.Caption(), "Last Start-up");
        const HeadlessCanvas picture = d.Picture(IdcPicture);
        EXPECT_NE(picture.FindText("No start-up has been recorded yet."), nullptr);
        EXPECT_EQ(picture.Pixel(picture.Bounds().right - 2, picture.Bounds().bottom - 2), Rgb(255, 255, 255));  // on white
        d.Click(win::IdOk);
    });
    w.host.Command(config::IdViewLastStartup);
    EXPECT_EQ(w.host.ChildCount(), 1);

    w.world.files.AddFile("C:\\ORVANE\\Orvane.log",
                          "Start-up 2026-12-06 08:00:00 UTC\r\n\"Old\", 5, wait, ok, -1, -1\r\n"
                          "Start-up 2026-12-07 08:00:00 UTC\r\n\"Mail\", 4000, wait, 31, 0, -1\r\n");
    w.host.ScriptChild([](HeadlessDialogHost& d) {
        const HeadlessCanvas picture = d.Picture(IdcPicture);
        EXPECT_NE(picture.FindText("Start-up 2026-12-07 08:00:00 UTC"), nullptr);
        EXPECT_EQ(picture.FindText("Old"), nullptr);
        ASSERT_NE(picture.FindText("Mail"), nullptr);
        EXPECT_EQ(picture.FindText("Mail")->colour, Failed);
        EXPECT_NE(picture.FindText("4.0 s error 31"), nullptr);
        d.Escape();
    });
    w.host.Command(config::IdViewLastStartup);
    EXPECT_EQ(w.host.ChildCount(), 2);
    EXPECT_FALSE(w.CloseAsksToSave());
}

}  // namespace
