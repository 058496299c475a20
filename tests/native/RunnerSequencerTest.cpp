#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "common/StartupLog.h"
#include "runner/RunnerSequencer.h"
#include "tests/native/RunnerWorld.h"
#include "ui/headless/HeadlessControls.h"

using namespace runner;

namespace {

const char* JumpQuestion =
    "You selected another program.  Are you sure you want\nto start running the programs starting at that point?";

class RunnerSequencer : public ::testing::Test {
protected:
    RunnerWorld r;
    void Items(std::initializer_list<std::pair<const char*, const char*>> items) {
        for (const auto& item : items) r.AddItem(item.first, item.second);
    }
    size_t Launches() const { return r.Launched().size(); }
    bool CountdownButtons() { return r.host.Button(IdcSkip).IsEnabled() && r.host.Button(IdcRunNow).IsEnabled(); }
};

TEST_F(RunnerSequencer, WaitsZeroThreeZeroThenStoppedAndClosed) {
    Items({{"A", "0"}, {"B", "3"}, {"C", ""}});
    r.Open();
    EXPECT_EQ(r.host.TimerInterval(1), 1u);  // timer 1, the system's shortest period
    r.host.Tick();
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("A")});
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), 0);
    r.host.Tick();  // B: countdown from its wait
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), 1);
    EXPECT_EQ(r.Lamp(), IdbWaiting);
    EXPECT_EQ(r.Status(), "3");
    EXPECT_TRUE(CountdownButtons());
    r.world.clock.Advance(999);  // same second: nothing moves
    r.host.Tick(5);
    EXPECT_EQ(r.Status(), "3");
    r.NextSecond();
    EXPECT_EQ(r.Status(), "2");
    r.NextSecond();
    EXPECT_EQ(r.Status(), "1");
    EXPECT_EQ(Launches(), 1u);
    r.NextSecond();  // 0 gives way to the launch in the same tick
    EXPECT_EQ(Launches(), 2u);
    EXPECT_EQ(r.Lamp(), IdbGo);
    EXPECT_EQ(r.Status(), "");
    EXPECT_FALSE(CountdownButtons());
    EXPECT_FALSE(r.host.HasEnded());
    r.host.Tick();
    EXPECT_EQ(r.Launched().back(), r.Item("C"));
    EXPECT_EQ(r.Lamp(), IdbStopped);
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_EQ(r.host.Result(), win::IdOk);
}

TEST_F(RunnerSequencer, WithCloseBoxClearTheStoppedRunStaysOpen) {
    r.SetOption(settings::kCloseWhenFinished, 0);
    Items({{"A", ""}});
    r.Open();
    r.host.Tick();
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_FALSE(r.host.HasEnded());
    // Its launch is measured for a minute, at a gentler pace.
    EXPECT_EQ(r.host.TimerInterval(SequencerTimer), MeasurePeriod);
    r.world.clock.Advance(kMeasuredMs);
    r.host.Tick();
    EXPECT_FALSE(r.host.HasTimer(SequencerTimer));
    r.host.SelectLine(IdcRunList, 0);  // while stopped a click only moves the selection
    EXPECT_TRUE(r.world.messages.shown.empty());
    EXPECT_FALSE(r.host.Button(IdcPause).IsEnabled());  // nothing to pause
    EXPECT_EQ(r.host.Button(IdcPause).Text(), "&Pause");
    r.host.Click(win::IdOk);
    EXPECT_EQ(r.host.Result(), win::IdOk);
}

TEST_F(RunnerSequencer, OddWaitsLaunchAtOnceAndLargeOnesCountDown) {
    Items({{"Neg", "-5"}, {"Letters", "ab"}, {"Long", "500"}});
    r.Open();
    r.host.Tick(2);
    EXPECT_EQ(Launches(), 2u);
    r.host.Tick();
    EXPECT_EQ(r.Status(), "500");
}

TEST_F(RunnerSequencer, PauseHoldsTheCountdownAndResumeGoesOnFromTheNumberShown) {
    Items({{"A", "10"}, {"B", ""}});
    r.Open();
    r.host.Tick();
    r.NextSecond();
    r.NextSecond();
    r.NextSecond();
    EXPECT_EQ(r.Status(), "7");
    r.host.Click(IdcPause);
    EXPECT_EQ(r.Lamp(), IdbStopped);
    EXPECT_EQ(r.Status(), "Paused");
    EXPECT_EQ(r.host.Button(IdcPause).Text(), "Resume");
    EXPECT_TRUE(CountdownButtons());  // still usable while paused
    for (int i = 0; i < 90; ++i) r.NextSecond();
    EXPECT_EQ(r.Status(), "Paused");
    r.world.clock.Advance(300);
    r.host.Click(IdcPause);
    EXPECT_EQ(r.Lamp(), IdbWaiting);
    EXPECT_EQ(r.Status(), "");
    EXPECT_EQ(r.host.Button(IdcPause).Text(), "&Pause");
    r.host.Tick();  // the stale second counts once: 7 again
    EXPECT_EQ(r.Status(), "7");
    r.NextSecond();
    EXPECT_EQ(r.Status(), "6");
    EXPECT_EQ(Launches(), 0u);
}

TEST_F(RunnerSequencer, RaisesTheWindowEveryTenthTickUnlessPaused) {
    Items({{"A", "50"}});
    r.Open();
    r.host.Tick(9);
    EXPECT_EQ(r.host.ForegroundCount(), 0);
    r.host.Tick();
    EXPECT_EQ(r.host.ForegroundCount(), 1);
    r.host.Tick(9);
    EXPECT_EQ(r.host.ForegroundCount(), 1);
    r.host.Tick();
    EXPECT_EQ(r.host.ForegroundCount(), 2);
    r.host.Click(IdcPause);
    r.host.Tick(20);
    EXPECT_EQ(r.host.ForegroundCount(), 2);
}

// Each change costs the system a repaint; most ticks change nothing.
TEST_F(RunnerSequencer, OnlyAChangedStatusOrLampIsPaintedAgain) {
    Items({{"A", "3"}});
    r.Open();
    r.host.Tick();
    auto& status = dynamic_cast<HeadlessStatic&>(r.host.Static(IdcStatus));
    auto& lamp = dynamic_cast<HeadlessStatic&>(r.host.Static(IdcLamp));
    const int statusPaints = status.Repaints(), lampPaints = lamp.Repaints();
    EXPECT_GT(statusPaints, 0);
    EXPECT_GT(lampPaints, 0);
    r.host.Tick(30);
    r.NextSecond();
    EXPECT_EQ(r.Status(), "2");
    EXPECT_EQ(status.Repaints(), statusPaints + 1);
    EXPECT_EQ(lamp.Repaints(), lampPaints);
    r.host.Click(IdcPause);
    EXPECT_EQ(lamp.Repaints(), lampPaints + 1);
}

TEST_F(RunnerSequencer, SkipGoesToTheNextItemAndOnTheLastStops) {
    Items({{"A", "5"}, {"B", "5"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcPause);
    r.host.Click(IdcSkip);  // also resumes
    EXPECT_EQ(r.Lamp(), IdbWaiting);
    EXPECT_EQ(r.host.Button(IdcPause).Text(), "&Pause");
    r.host.Tick();
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), 1);
    EXPECT_EQ(r.Status(), "5");
    r.host.Click(IdcSkip);
    r.host.Tick();
    EXPECT_TRUE(r.Launched().empty());
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_EQ(r.host.Result(), win::IdOk);
}

TEST_F(RunnerSequencer, RunNowLaunchesTheCurrentItemAtTheNextTick) {
    Items({{"A", "20"}, {"B", "20"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcRunNow);
    EXPECT_EQ(r.Lamp(), IdbGo);
    EXPECT_EQ(r.Status(), "");
    r.host.Tick();
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("A")});
    r.host.Tick();
    EXPECT_EQ(r.Status(), "20");
}

TEST_F(RunnerSequencer, NoWaitEndsTheCountdownAndLaunchesOnePerTick) {
    Items({{"A", "20"}, {"B", "20"}, {"C", "20"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcPause);
    r.host.Click(IdcNoWait);  // overrides the pause at the next tick
    r.host.Tick();
    EXPECT_EQ(Launches(), 1u);
    EXPECT_EQ(r.Lamp(), IdbGo);
    r.host.Tick();
    r.host.Tick();
    EXPECT_EQ(Launches(), 3u);
    EXPECT_EQ(r.host.Result(), win::IdOk);
}

// Skipped is skipped: a No Wait step on a run whose last item was skipped launches nothing.
TEST_F(RunnerSequencer, NoWaitAfterSkippingTheLastItemLaunchesNothing) {
    Items({{"A", "20"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcNoWait);
    r.host.Click(IdcSkip);
    r.host.Tick();
    EXPECT_TRUE(r.Launched().empty());
    EXPECT_EQ(r.Status(), "Stopped");
}

TEST_F(RunnerSequencer, CapsLockAtStartRunsWithoutCountdownsUntilItIsTurnedOff) {
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}) r.AddItem(name, "5");
    r.world.keyboard.Set(win::VkCapital, 1);
    r.Open();
    r.host.Tick(9);
    EXPECT_EQ(Launches(), 9u);
    r.world.keyboard.Set(win::VkCapital, 0);
    r.host.Tick();  // the tenth tick polls the keys: J counts down
    EXPECT_EQ(r.Status(), "5");
    EXPECT_EQ(Launches(), 9u);
}

TEST_F(RunnerSequencer, CapsLockTurnedOnMidRunActsAsNoWait) {
    Items({{"A", "30"}, {"B", "30"}});
    r.Open();
    r.world.keyboard.Set(win::VkCapital, -127);  // held while on: still on
    r.host.Tick(10);
    EXPECT_EQ(Launches(), 1u);
    r.host.Tick();
    EXPECT_EQ(Launches(), 2u);
}

TEST_F(RunnerSequencer, ScrollLockAtStartStopsBeforeAnyLaunch) {
    Items({{"A", ""}});
    r.world.keyboard.Set(win::VkScroll, 1);
    r.Open();
    r.host.Tick();
    EXPECT_TRUE(r.Launched().empty());
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_EQ(r.host.Result(), win::IdOk);
}

TEST_F(RunnerSequencer, RunNoneClosesAtOnceWhenTheBoxIsTicked) {
    Items({{"A", "9"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcRunNone);
    EXPECT_EQ(r.host.Result(), win::IdOk);
    EXPECT_TRUE(r.Launched().empty());
}

TEST_F(RunnerSequencer, RunNoneThenDoubleClickRestartsFromThatLine) {
    r.SetOption(settings::kCloseWhenFinished, 0);
    Items({{"A", "9"}, {"B", "0"}, {"C", "0"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcPause);
    r.host.Click(IdcRunNone);
    EXPECT_FALSE(r.host.HasEnded());
    r.host.Tick();
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_EQ(r.Lamp(), IdbStopped);
    EXPECT_FALSE(CountdownButtons());
    EXPECT_FALSE(r.host.HasEnded());

    r.world.keyboard.Set(win::VkScroll, 1);
    r.host.DoubleClickLine(IdcRunList, 1);
    ASSERT_EQ(r.world.messages.shown.size(), 1u);
    EXPECT_EQ(r.world.messages.shown[0].text, "Cannot continue, Scroll Lock is on.");
    EXPECT_EQ(r.world.messages.shown[0].style, win::MbIconExclamation);
    EXPECT_FALSE(r.host.HasTimer(SequencerTimer));

    r.world.keyboard.Set(win::VkScroll, 0);
    r.host.DoubleClickLine(IdcRunList, 1);
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), 0);
    EXPECT_EQ(r.Lamp(), IdbGo);
    EXPECT_EQ(r.host.Button(IdcPause).Text(), "&Pause");
    EXPECT_TRUE(r.host.Button(IdcPause).IsEnabled());
    r.host.Tick(2);
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("B"), r.Item("C")}));
    EXPECT_EQ(r.Status(), "Stopped");
    EXPECT_FALSE(r.host.HasEnded());

    // Again from the last line, wherever the run stopped.
    r.host.DoubleClickLine(IdcRunList, 2);
    r.host.Tick(2);
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("B"), r.Item("C"), r.Item("C")}));
}

TEST_F(RunnerSequencer, DoubleClickWhileRunningDoesNothing) {
    Items({{"A", "9"}, {"B", "9"}});
    r.Open();
    r.host.Tick();
    r.host.SendNotify(Notify::DblClk, IdcRunList);
    EXPECT_EQ(r.Status(), "9");
    EXPECT_TRUE(r.world.messages.shown.empty());
}

// At an unattended log-on nobody answers the box: the run goes on beneath it.
TEST_F(RunnerSequencer, ALaunchErrorShowsItsBoxWhileTheRunGoesOn) {
    Items({{"A", ""}, {"B", ""}, {"C", ""}, {"D", "3"}});
    r.world.faults.Add(Fault::Execute, r.Item("A"), 1);
    r.world.faults.Add(Fault::Execute, r.Item("B"), 1);
    r.Open();
    std::string statusInBox;
    r.world.messages.Answer(win::IdOk, [&] {
        statusInBox = r.Status();
        r.host.Tick();  // B fails as well: marked, with no second box
        r.host.Tick();
        EXPECT_EQ(r.Launched().size(), 3u);
        r.host.Tick();
        EXPECT_EQ(r.Status(), "3");
        EXPECT_EQ(r.host.ForegroundCount(), 0);  // the box keeps the front
    });
    r.host.Tick(10);
    EXPECT_EQ(statusInBox, "Error");
    ASSERT_EQ(r.world.messages.shown.size(), 1u);
    EXPECT_EQ(r.world.messages.shown[0].text, r.Item("A") + "\nThere was an error running this program.\n\nError 2: The system cannot find the file specified.");
    EXPECT_EQ(r.world.messages.shown[0].style, win::MbIconExclamation | win::MbSetForeground);
    auto& list = dynamic_cast<HeadlessListBox&>(r.host.ListBox(IdcRunList));
    EXPECT_EQ(list.Line(0), "A  (error 2: The system cannot find the file specified.)");
    EXPECT_EQ(list.Line(1), "B  (error 2: The system cannot find the file specified.)");
    EXPECT_EQ(list.Line(2), "C");
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), 3);
    EXPECT_EQ(r.Lamp(), IdbWaiting);
    EXPECT_EQ(r.Launched().size(), 3u);
    for (int i = 0; i < 3; ++i) r.NextSecond();
    EXPECT_EQ(r.Launched().back(), r.Item("D"));
    EXPECT_EQ(r.world.messages.shown.size(), 1u);  // a launch after the box shows none
    // Ended: nothing is left to pause, hurry or call off.
    for (int id : {IdcPause, IdcNoWait, IdcRunNone}) EXPECT_FALSE(r.host.Button(id).IsEnabled()) << id;
}

TEST_F(RunnerSequencer, JumpAnsweredYesRunsFromTheChosenLineWithItsOwnWait) {
    Items({{"A", "0"}, {"B", "0"}, {"C", "40"}, {"D", "4"}});
    r.Open();
    r.host.Tick(3);
    EXPECT_EQ(r.Status(), "40");
    r.world.messages.Answer(win::IdYes, [&] { r.host.Tick(12); });
    r.host.SelectLine(IdcRunList, 1);  // above the current one
    ASSERT_EQ(r.world.messages.shown.size(), 1u);
    EXPECT_EQ(r.world.messages.shown[0].text, JumpQuestion);
    EXPECT_EQ(r.world.messages.shown[0].style, win::MbYesNoCancel | win::MbIconQuestion);
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), 0);
    EXPECT_EQ(Launches(), 2u);
    r.host.Tick();
    EXPECT_EQ(r.Launched().back(), r.Item("B"));
    r.host.Tick();
    EXPECT_EQ(r.Status(), "40");
}

// The question holds the run: a No Wait clicked before it waits for the answer.
TEST_F(RunnerSequencer, NoTickMovesTheRunWhileTheJumpQuestionIsOpen) {
    Items({{"A", "30"}, {"B", "30"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcNoWait);
    r.world.messages.Answer(win::IdNo, [&] { r.host.Tick(12); });
    r.host.SelectLine(IdcRunList, 1);
    EXPECT_EQ(Launches(), 0u);
    EXPECT_EQ(r.host.ForegroundCount(), 0);  // nor is the window raised over the question
    r.host.Tick();
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("A")});
}

TEST_F(RunnerSequencer, EachFailureAfterABoxWasAnsweredHasABoxOfItsOwn) {
    Items({{"A", ""}, {"B", ""}});
    r.world.faults.Add(Fault::Execute, r.Item("A"));
    r.world.faults.Add(Fault::Execute, r.Item("B"));
    r.Open();
    r.host.Tick(2);
    EXPECT_EQ(r.world.messages.shown.size(), 2u);
}

TEST_F(RunnerSequencer, JumpToTheFirstLineClearsTheSelection) {
    Items({{"A", "0"}, {"B", "30"}});
    r.Open();
    r.host.Tick(2);
    r.world.messages.Answer(win::IdYes);
    r.host.SelectLine(IdcRunList, 0);
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), -1);
    r.host.Tick();
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("A"), r.Item("A")}));
}

TEST_F(RunnerSequencer, JumpAnsweredNoRestoresTheSelectionAndKeepsAPause) {
    Items({{"A", "30"}, {"B", "30"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcPause);
    r.world.messages.Answer(win::IdNo);
    r.host.SelectLine(IdcRunList, 1);
    EXPECT_EQ(r.host.ListBox(IdcRunList).CurSel(), 0);
    EXPECT_EQ(r.Status(), "Paused");
    r.NextSecond();
    EXPECT_EQ(r.Status(), "Paused");
    r.host.SelectLine(IdcRunList, 1);  // unscripted: Cancel, and a running run runs on
    r.host.Click(IdcPause);
    r.host.Tick();
    EXPECT_EQ(r.Status(), "30");
}

TEST_F(RunnerSequencer, JumpAnsweredYesWhilePausedResumes) {
    Items({{"A", "30"}, {"B", "0"}});
    r.Open();
    r.host.Tick();
    r.host.Click(IdcPause);
    r.world.messages.Answer(win::IdYes);
    r.host.SelectLine(IdcRunList, 1);
    EXPECT_EQ(r.host.Button(IdcPause).Text(), "&Pause");
    r.host.Tick();
    EXPECT_EQ(r.Launched(), std::vector<std::string>{r.Item("B")});
}

}  // namespace

namespace {

// One user's steps, as a script of words: t (a tick), tN (N ticks), s (the
// clock to the next second and a tick; q: a quiet one, h: a busy one), P Pause, K Skip, R Run Now, W No
// Wait, X Run None, jN a click on line N answered Yes (nN: answered No), dN a double-click on
// line N (D: on the list as it is), c1/c0 Caps Lock on/off, l1/l0 Scroll Lock on/off.
void Play(RunnerWorld& r, const std::string& script) {
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        const char kind = word[0];
        const int n = word.size() > 1 ? std::stoi(word.substr(1)) : 1;
        switch (kind) {
        case 't': r.host.Tick(n); break;
        case 's': r.NextSecond(); break;
        case 'q': r.NextSecondBusy(0); break;
        case 'h': r.NextSecondBusy(100); break;
        case 'P': r.host.Click(IdcPause); break;
        case 'K': r.host.Click(IdcSkip); break;
        case 'R': r.host.Click(IdcRunNow); break;
        case 'W': r.host.Click(IdcNoWait); break;
        case 'X': r.host.Click(IdcRunNone); break;
        case 'j':
            r.world.messages.Answer(win::IdYes);
            r.host.SelectLine(IdcRunList, n);
            break;
        case 'n':
            r.world.messages.Answer(win::IdNo);
            r.host.SelectLine(IdcRunList, n);
            break;
        case 'd': r.host.DoubleClickLine(IdcRunList, n); break;
        case 'D': r.host.SendNotify(Notify::DblClk, IdcRunList); break;
        case 'c': r.world.keyboard.Set(win::VkCapital, static_cast<short>(n)); break;
        case 'l': r.world.keyboard.Set(win::VkScroll, static_cast<short>(n)); break;
        default: ADD_FAILURE() << "unknown step " << word;
        }
    }
}

// An item of a row: its wait, after "i" for an idle item and "f" for one
// whose launch fails.
void AddRowItem(RunnerWorld& r, const std::string& name, const std::string& wait) {
    if (wait[0] == 'i') return r.AddIdleItem(name, wait.substr(1));
    if (wait[0] == 'f') {
        r.world.faults.Add(Fault::Execute, r.Item(name));
        return r.AddItem(name, wait.substr(1));
    }
    r.AddItem(name, wait);
}

std::string LaunchedTitles(const RunnerWorld& r) {
    std::string launched;
    for (const std::string& file : r.Launched())
        launched += (launched.empty() ? "" : " ") +
                    file.substr(std::strlen(RunnerWorld::Manager), file.size() - std::strlen(RunnerWorld::Manager) - 4);
    return launched;
}

}  // namespace

// The controls in combination, each row a fresh run with the close box clear
// (the key polls come every tenth tick, the first at tick 10).
TEST(RunnerControls, CombinedStepsLaunchWhatTheUserAskedFor) {
    struct Row {
        const char* what;
        std::vector<std::pair<const char*, const char*>> items;
        const char* script;
        const char* launched;  // file titles, in launch order
        const char* status;
        const char* pauseText;
        int lamp = 0;  // unless 0
    } const rows[] = {
        {"Pause then Run Now launches and resumes", {{"A", "20"}, {"B", "20"}}, "t P R t t", "A", "20", "&Pause"},
        {"Run Now then Skip launches nothing", {{"A", "20"}, {"B", "20"}}, "t R K t", "", "20", "&Pause"},
        {"an item without a wait goes on a green lamp after a Skip", {{"A", "20"}, {"B", "0"}, {"C", "20"}}, "t K t",
         "B", "", "&Pause", IdbGo},
        {"the next countdown starts whole, a second after Run Now", {{"A", "20"}, {"B", "5"}}, "t R s t", "A", "5",
         "&Pause"},
        {"Pause then Run None stops", {{"A", "20"}, {"B", "0"}}, "t P X t t", "", "Stopped", "&Pause"},
        {"No Wait then a jump launches from the chosen line", {{"A", "30"}, {"B", "30"}, {"C", "30"}, {"D", "30"}},
         "t W j3 t t", "D", "Stopped", "&Pause"},
        {"the button's No Wait outlives a poll of an unchanged Caps Lock",
         {{"A", "30"}, {"B", "30"}, {"C", "30"}, {"D", "30"}, {"E", "30"}, {"F", "30"}, {"G", "30"}, {"H", "30"},
          {"I", "30"}, {"J", "30"}, {"K", "30"}, {"L", "30"}},
         "t W t12", "A B C D E F G H I J K L", "Stopped", "&Pause"},
        {"a jump answered No lets a running countdown go on", {{"A", "30"}, {"B", "0"}}, "t n1 s", "", "29", "&Pause"},
        {"a restart after a finished run runs again from the line", {{"A", "0"}, {"B", "0"}}, "t2 d0 t2", "A B A B",
         "Stopped", "&Pause"},
        {"a double-click with no line selected runs from the first", {{"A", "0"}, {"B", "30"}}, "t t j0 X t D t",
         "A A", "", "&Pause"},
        {"a restart reads Caps Lock afresh", {{"A", "0"}, {"B", "30"}}, "t2 X t c1 d0 t2", "A A B", "Stopped", "&Pause"},
        {"Scroll Lock turned on stops the run at the next poll", {{"A", "30"}, {"B", "0"}}, "t l1 t9", "", "Stopped",
         "&Pause"},
        {"Scroll Lock stops a paused run too", {{"A", "30"}, {"B", "0"}}, "t P l1 t9", "", "Stopped", "&Pause"},
        {"a Scroll Lock press between two polls goes unseen", {{"A", "30"}, {"B", "0"}}, "t l1 t3 l0 t6", "", "30",
         "&Pause"},
        {"Caps Lock pressed from off acts as No Wait at the poll", {{"A", "30"}, {"B", "30"}, {"C", "30"}}, "t c-128 t9 c1 t2", "A B C",
         "Stopped", "&Pause"},
    };
    for (const Row& row : rows) {
        RunnerWorld r;
        r.SetOption(settings::kCloseWhenFinished, 0);
        for (const auto& item : row.items) r.AddItem(item.first, item.second);
        ASSERT_TRUE(r.Open());
        Play(r, row.script);
        EXPECT_EQ(LaunchedTitles(r), row.launched) << row.what;
        EXPECT_EQ(r.Status(), row.status) << row.what;
        EXPECT_EQ(r.host.Button(IdcPause).Text(), row.pauseText) << row.what;
        if (row.lamp != 0) {
            EXPECT_EQ(r.Lamp(), row.lamp) << row.what;
        }
        EXPECT_FALSE(r.host.HasEnded()) << row.what;
    }
}

// What each launch waited for, as Orvane.log keeps it, when the controls
// meet the idle wait: each row a fresh run that ends with its last item.
TEST(RunnerControls, TheRecordSaysWhatEachLaunchWaitedFor) {
    struct Row {
        const char* what;
        std::vector<std::pair<const char*, const char*>> items;
        const char* script;
        const char* log;  // the run's launches, one a line
    } const rows[] = {
        {"Run Now between two items sends the next at once, with no countdown left under the one after",
         {{"A", "20"}, {"B", "5"}, {"C", "i0"}}, "t K R t q q",
         "\"B\", 0, wait, ok, 0, -1\n\"C\", 2000, idle, ok, -1, 1000\n"},
        {"Run Now between two items leaves no idle wait under the one after", {{"A", "20"}, {"B", "i0"}, {"C", "0"}},
         "t K R t s", "\"B\", 0, wait, ok, -1, 0\n\"C\", 1000, wait, ok, -1, -1\n"},
        {"an idle wait counts its seconds from its own start", {{"A", "0"}, {"B", "i0"}}, "t s h h h",
         "\"A\", 0, wait, ok, -1, -1\n\"B\", 4000, longest, ok, -1, 1000\n"},
        {"a launch that the shell answers with 32 failed; 33 is a launch", {{"A", "f0"}, {"B", "0"}}, "t2",
         "\"A\", 0, wait, 32, -1, -1\n\"B\", 0, wait, ok, -1, -1\n"},
    };
    for (const Row& row : rows) {
        RunnerWorld r;
        r.SetOption(settings::kCloseWhenFinished, 0);
        r.SetOption(settings::kIdleSeconds, 1);
        r.SetOption(settings::kIdleLongest, 3);
        r.world.shell.failure = 32;
        for (const auto& item : row.items) AddRowItem(r, item.first, item.second);
        ASSERT_TRUE(r.Open());
        Play(r, row.script);
        EXPECT_EQ(r.Status(), "Stopped") << row.what;
        r.host.Click(win::IdOk);  // the run's record is written once
        std::string log;
        for (const LoggedRun& run : ReadStartupLog(r.world.files, "C:\\ORVANE\\Orvane.log"))
            for (const LoggedLaunch& launch : run.launches) log += FormatLaunch(launch) + "\n";
        EXPECT_EQ(log, row.log) << row.what;
    }
}

// The sequencer needs no window: the clock, the keys and the processors'
// times drive it, and it says what a window would show.
TEST(RunnerSequencerAlone, ShowsEachStepAndKeepsEachItemsTimes) {
    MemoryWorld world;
    Platform platform = world.platform();
    world.files.AddFile("C:\\A.lnk", "");
    world.files.AddFile("C:\\B.lnk", "");
    RunItem a, b;
    a.name = "A", a.path = "C:\\A.lnk", a.wait = "1";
    b.name = "B", b.path = "C:\\B.lnk", b.idle = true;
    ::RunnerSequencer sequencer(platform);
    sequencer.SetUp({a, b}, 20, 1, 5, "");  // no Orvane.ini: no record
    sequencer.Start(-1);
    const RunShown& shown = sequencer.Shown();
    EXPECT_EQ(shown.lamp, RunShown::Lamp::Go);
    EXPECT_FALSE(shown.statusSet);  // the window's own text stays until the first step
    EXPECT_TRUE(shown.runButtons);
    EXPECT_FALSE(sequencer.Step());
    EXPECT_EQ(shown.status, "1");
    EXPECT_EQ(shown.lamp, RunShown::Lamp::Waiting);
    EXPECT_TRUE(shown.waitButtons);
    EXPECT_EQ(shown.current, 0);
    world.clock.Advance(1000);
    EXPECT_FALSE(sequencer.Step());
    EXPECT_EQ(sequencer.Items()[0].state, RunItem::State::Launched);
    EXPECT_EQ(sequencer.Items()[0].launchedAt, 1000);
    EXPECT_EQ(sequencer.Items()[0].waitFrom, 0);
    EXPECT_EQ(shown.lamp, RunShown::Lamp::Go);
    EXPECT_FALSE(shown.waitButtons);
    EXPECT_FALSE(sequencer.Step());
    EXPECT_EQ(shown.status, "Idle?");
    EXPECT_EQ(sequencer.Items()[1].idleFrom, 1000);
    world.processors.Spend(1000, 0);
    world.clock.Advance(1000);
    EXPECT_TRUE(sequencer.Step());
    EXPECT_EQ(sequencer.Items()[1].waited, "idle");
    EXPECT_EQ(sequencer.Run().launches.size(), 2u);
    EXPECT_FALSE(sequencer.Running());
    EXPECT_EQ(shown.status, "Stopped");
    EXPECT_FALSE(shown.runButtons);
    EXPECT_FALSE(world.files.Exists("Orvane.log"));
    // A stopped run has nothing to skip, pause or hurry.
    sequencer.Skip();
    sequencer.RunNow();
    sequencer.Pause();
    EXPECT_FALSE(sequencer.Running());
    EXPECT_FALSE(shown.paused);
}
