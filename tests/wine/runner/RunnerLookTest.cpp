// Orvane.exe under Wine as it looks: its lamp sits on the system's own button
// face, not on the grey it is drawn on, and its texts fit their controls at
// Wine's font widths.
#include <gtest/gtest.h>

#include "runner/RunnerIds.h"
#include "tests/wine/runner/RunnerProcess.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/TextFit.h"

using namespace runner;

namespace {

TEST(RunnerLook, TheLampSitsOnTheButtonFace) {
    RunnerInstall install;
    install.AddItem("Golf", "30");
    HWND dialog = StartCountingDownFrom30(install);
    ASSERT_NE(dialog, nullptr);

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(face, RGB(192, 192, 192));
    // The lamp's corner, outside its round glass, waiting on the yellow lamp.
    EXPECT_EQ(ColourShown(GetDlgItem(dialog, IdcLamp), 1, 1, face), face);
    EXPECT_EQ(TextsThatDoNotFitJoined(dialog), "");
    SaveScreenshot(dialog, "runner-counting-down");
    // The longest status it shows fits as well.
    SetWindowTextA(GetDlgItem(dialog, IdcStatus), "Stopped");
    EXPECT_EQ(TextsThatDoNotFitJoined(dialog), "");

    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(install.WaitForExit(10000));
}

}  // namespace
