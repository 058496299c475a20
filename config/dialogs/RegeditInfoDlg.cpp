#include "config/dialogs/RegeditInfoDlg.h"

#include "config/dialogs/RegeditInfoIds.h"

#include "platform/WinValues.h"

using namespace regeditinfo;

namespace {

const DialogTemplate& RegeditInfoTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddRegeditInfo;
        t.caption = "Regedit";
        // Centred on its owner, in front, no system menu.
        t.style = win::DsModalFrame | win::DsSetFont | win::DsCenter | win::DsSetForeground | win::WsPopup | win::WsCaption;
        // The edit shows the longest key, RunServices', whole in a font a
        // tenth wider than Wine's.
        t.cx = 330;
        t.cy = 82;
        t.controls = {
            {ui::IdStatic, ui::StaticClass,
             "Regedit does not have the ability to display a given key at startup.  To explore the values in this "
             "registry key, expand the tree to the following key:",
             win::SsLeft, 10, 8, 310, 20},
            {IdcKeyPath, ui::EditClass, "", win::EsReadOnly | win::EsAutoHScroll | win::WsBorder | win::WsTabStop, 10, 34, 310,
             13},
            {win::IdOk, ui::ButtonClass, "OK", win::BsDefPushButton | win::WsTabStop, 140, 59, 50, 14},
        };
        return t;
    }();
    return dialog;
}

}  // namespace

CRegeditInfoDlg::CRegeditInfoDlg() : CDialog(RegeditInfoTemplate()) {}

void CRegeditInfoDlg::BindControls() {
    m_editKeyPath = &Window().Edit(IdcKeyPath);
}

bool CRegeditInfoDlg::OnInitDialog() {
    BindControls();
    Window().MakeTopmost();
    m_editKeyPath->SetText(m_strKeyPath);
    Window().SetTimer(FrontTimerId, FrontTimerPeriod);
    return true;
}

void CRegeditInfoDlg::OnTimer(unsigned timerId) {
    if (timerId != FrontTimerId) return;
    Window().MakeTopmost();
    Window().BringToForeground();
    if (++m_nFrontTicks >= FrontTicks) Window().KillTimer(FrontTimerId);
}
