// The headless face must behave like the real controls where the dialogs
// depend on it: notifications, disabled controls, timers and the end.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/WinValues.h"
#include "ui/Dialog.h"
#include "ui/headless/HeadlessControls.h"
#include "ui/headless/HeadlessDialogHost.h"

namespace {

DialogTemplate ProbeTemplate() {
    DialogTemplate t;
    t.caption = "Probe";
    t.cx = 100;
    t.cy = 80;
    t.controls = {
        {1, ui::ButtonClass, "&OK", win::BsDefPushButton | win::WsTabStop, 5, 5, 40, 14},
        {10, ui::ButtonClass, "Go", win::BsPushButton | win::WsDisabled, 5, 25, 40, 14},
        {11, ui::ButtonClass, "", win::BsAutoCheckBox, 5, 45, 10, 10},
        {20, ui::ListBoxClass, "", win::LbsNotify, 50, 5, 40, 40},
        {30, ui::ListViewClass, "", win::LvsReport, 50, 50, 40, 25},
        {ui::IdStatic, ui::StaticClass, "Label", 0, 5, 60, 30, 8},
        {40, ui::ButtonClass, "A", win::BsAutoRadioButton | win::WsGroup, 5, 70, 20, 8},
        {41, ui::ButtonClass, "B", win::BsAutoRadioButton, 25, 70, 20, 8},
        {42, ui::ButtonClass, "C", win::BsAutoRadioButton | win::WsGroup, 45, 70, 20, 8},
    };
    return t;
}

class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(m_layout) {
        On(Notify::Command, 10, &ProbeDialog::Go);
        On(Notify::Command, 11, &ProbeDialog::Checked);
        On(Notify::SelChange, 20, &ProbeDialog::Selected);
        On(Notify::DblClk, 20, &ProbeDialog::DoubleClicked);
        On(Notify::ItemChanged, 30, &ProbeDialog::Changed);
        On(Notify::KeyDown, 30, &ProbeDialog::Key);
    }
    void Go() { events.push_back("go"); }
    void Checked() { events.push_back("check"); }
    void Selected() { events.push_back("sel"); }
    void DoubleClicked() { events.push_back("dbl"); }
    void Changed() { events.push_back("changed"); }
    void Key(const UiEvent& e) { events.push_back("key" + std::to_string(e.key)); }
    // A table entry a test adds on purpose.
    void Add(Notify code, int id) { On(code, id, &ProbeDialog::Go); }
    bool OnInitDialog() override {
        Window().ListBox(20).AddString("a");
        Window().ListBox(20).AddString("b");
        Window().ListView(30).InsertItem(0, "x");
        Window().ListView(30).InsertItem(1, "y");
        Window().SetTimer(1, 1);
        return true;
    }
    void OnTimer(unsigned) override {
        if (++ticks == 3) EndDialog(42);
    }
    std::vector<std::string> events;
    int ticks = 0;

private:
    DialogTemplate m_layout = ProbeTemplate();
};

TEST(HeadlessHost, RoutesInputLikeRealControls) {
    ProbeDialog dialog;
    HeadlessDialogHost host(dialog);
    ASSERT_TRUE(host.Open());

    host.Click(10);  // disabled: a person cannot click it
    host.Button(10).Enable(true);
    host.Click(10);
    host.Click(11);
    EXPECT_EQ(host.Button(11).Check(), 1);

    host.ListBox(20).SetCurSel(1);  // set by the program: no notification
    host.SelectLine(20, 0);
    host.DoubleClickLine(20, 0);  // same line: no second selection change

    host.ClickRow(30, 0);
    host.ClickRow(30, 1);        // deselects row 0, selects row 1
    host.ClickRow(30, 0, true);  // adds row 0
    EXPECT_EQ(host.ListView(30).SelectedCount(), 2);
    host.KeyDown(30, win::VkDelete);

    EXPECT_EQ(dialog.events, (std::vector<std::string>{"go", "check", "sel", "dbl", "changed", "changed", "changed",
                                                       "changed", "key46"}));
}

TEST(HeadlessHost, TimersStopAtTheEndAndEscapeCancels) {
    ProbeDialog dialog;
    HeadlessDialogHost host(dialog);
    host.Open();
    EXPECT_EQ(host.TimerInterval(1), 1u);
    host.Tick(10);
    EXPECT_TRUE(host.HasEnded());
    EXPECT_EQ(host.Result(), 42);
    EXPECT_EQ(dialog.ticks, 3);

    ProbeDialog second;
    HeadlessDialogHost other(second);
    other.Open();
    other.KeyDown(30, win::VkEscape);
    EXPECT_EQ(other.Result(), win::IdCancel);
}

TEST(HeadlessHost, RadioButtonsClearOnlyTheirOwnGroup) {
    ProbeDialog dialog;
    HeadlessDialogHost host(dialog);
    host.Open();
    host.Click(42);
    host.Click(40);
    host.Click(41);
    EXPECT_EQ(host.Button(40).Check(), 0);
    EXPECT_EQ(host.Button(41).Check(), 1);
    EXPECT_EQ(host.Button(42).Check(), 1);
}

TEST(HeadlessHost, RefusesHandlersThatNothingReachesOrThatShadowAnother) {
    ProbeDialog unknown;
    unknown.Add(Notify::Command, 99);
    HeadlessDialogHost first(unknown);
    EXPECT_THROW(first.Open(), std::logic_error);

    ProbeDialog twice;
    twice.Add(Notify::Command, 10);
    HeadlessDialogHost second(twice);
    EXPECT_THROW(second.Open(), std::logic_error);

    ProbeDialog sameIdOtherNotification;
    sameIdOtherNotification.Add(Notify::DblClk, 10);
    HeadlessDialogHost third(sameIdOtherNotification);
    EXPECT_NO_THROW(third.Open());
}

TEST(HeadlessHost, PixelGeometryFollowsDialogUnits) {
    ProbeDialog dialog;
    HeadlessDialogHost host(dialog);
    host.Open();
    // 100 x 80 dialog units in 8-point MS Sans Serif, plus frame and caption.
    EXPECT_EQ(host.WindowRect(), (Rect{0, 0, 150 + 6, 130 + 6 + 19}));
    EXPECT_EQ(host.Button(1).WindowRect(), (Rect{3 + 8, 22 + 8, 3 + 68, 22 + 31}));
    // A list without a border, beside a 16-pixel scroll bar.
    EXPECT_EQ(host.ListView(30).ColumnSpace(), 60 - 16);
}

TEST(HeadlessHost, FocusGoesWithClicksAndIsLostWithADisabledOrHiddenControl) {
    ProbeDialog dialog;
    HeadlessDialogHost host(dialog);
    host.Open();
    auto& box = dynamic_cast<HeadlessButton&>(host.Button(11));
    auto& go = dynamic_cast<HeadlessButton&>(host.Button(10));
    auto& list = dynamic_cast<HeadlessListView&>(host.ListView(30));

    host.Click(11);
    EXPECT_TRUE(box.Focused());
    host.Click(10);  // disabled: no click, no focus
    EXPECT_TRUE(box.Focused());
    host.ClickRow(30, 0);
    EXPECT_TRUE(list.Focused());
    EXPECT_FALSE(box.Focused());

    list.Enable(false);
    EXPECT_FALSE(list.Focused());
    list.Focus();  // a disabled control cannot take it
    EXPECT_FALSE(list.Focused());
    go.Enable(false);  // another control's change leaves the focus alone
    box.Focus();
    go.Show(false);
    EXPECT_TRUE(box.Focused());
    box.Show(false);
    EXPECT_FALSE(box.Focused());
    box.Focus();
    EXPECT_FALSE(box.Focused());
}

TEST(HeadlessHost, AListPaintsOnceAChangeOrOnceAfterAHeldFill) {
    ProbeDialog dialog;
    HeadlessDialogHost host(dialog);
    host.Open();
    auto& list = dynamic_cast<HeadlessListView&>(host.ListView(30));
    const int opened = list.Paints();
    EXPECT_EQ(opened, 2);  // its two rows
    list.SetItemText(0, 0, "z");
    list.SetSelected(0, true);
    list.DeleteItem(1);
    list.DeleteAllItems();
    EXPECT_EQ(list.Paints(), opened + 4);

    {
        ListFill outer(list);
        {
            ListFill inner(list);
            list.InsertItem(0, "a");
            list.InsertItem(1, "b");
        }
        EXPECT_FALSE(list.IsRedrawing());  // the outer fill still holds it
        list.SetItemText(1, 0, "c");
        EXPECT_EQ(list.Paints(), opened + 4);
    }
    EXPECT_TRUE(list.IsRedrawing());
    EXPECT_EQ(list.Paints(), opened + 5);
    list.ReleaseRedraw();  // not held: nothing to release
    list.HoldRedraw();
    EXPECT_FALSE(list.IsRedrawing());
}

}  // namespace
