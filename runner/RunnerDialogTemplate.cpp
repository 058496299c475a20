#include "runner/RunnerDialogTemplate.h"

#include "platform/WinValues.h"
#include "runner/RunnerIds.h"

using namespace runner;

const DialogTemplate& RunnerDialogTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddRunner;
        t.caption = "Orvane";
        t.style = win::DsModalFrame | win::DsSetForeground | win::WsPopup | win::WsCaption | win::WsSysMenu |
                  win::WsMinimizeBox;
        t.exStyle = win::WsExAppWindow;
        t.x = 0, t.y = 0, t.cx = 190, t.cy = 225;
        t.font = "MS Sans Serif";
        t.pointSize = 8;
        const uint32_t push = win::BsPushButton | win::WsTabStop;
        t.controls = {
            {IdcRunList, ui::ListBoxClass, "",
             win::LbsNotify | win::WsVScroll | win::WsHScroll | win::WsBorder | win::LbsNoIntegralHeight | win::WsTabStop, 5, 15, 179, 120},
            {IdcSkip, ui::ButtonClass, "S&kip", push, 5, 145, 50, 15},
            {IdcRunNow, ui::ButtonClass, "&Run Now", push, 5, 165, 50, 15},
            {IdcNoWait, ui::ButtonClass, "No &Wait", push, 5, 185, 50, 15},
            {IdcRunNone, ui::ButtonClass, "Run &None", push, 5, 205, 50, 15},
            {ui::IdStatic, ui::StaticClass, "Caps Lock", win::SsLeft, 60, 188, 36, 10},
            {ui::IdStatic, ui::StaticClass, "Scroll Lock", win::SsLeft, 60, 208, 36, 10},
            {ui::IdStatic, ui::ButtonClass, "", win::BsGroupBox, 110, 140, 75, 38},
            {ui::IdStatic, ui::StaticClass, "Status:", win::SsLeft, 113, 148, 40, 10},
            {IdcLamp, ui::StaticClass, "", win::SsBitmap, 168, 147, 15, 13},
            // A line of its own, the group's width: "Idle? 100%", the longest
            // the run says, with room to spare in a wider font.
            {IdcStatus, ui::StaticClass, "Static", win::SsLeft, 113, 163, 69, 10},
            {IdcPause, ui::ButtonClass, "&Pause", push, 135, 185, 50, 15},
            {IdcCloseWhenFinished, ui::ButtonClass, "", win::BsAutoCheckBox | win::WsTabStop, 122, 208, 10, 10},
            {win::IdOk, ui::ButtonClass, "&Close", win::BsDefPushButton | win::WsTabStop, 135, 205, 50, 14},
        };
        return t;
    }();
    return dialog;
}
