#include "config/dialogs/AboutDlg.h"

#include "config/dialogs/AboutIds.h"

#include "config/dialogs/Browser.h"
#include "config/dialogs/WebSite.h"
#include "platform/WinValues.h"

using namespace about;

namespace {

constexpr int IdbAbout = 172;

const DialogTemplate& AboutTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddAbout;
        t.caption = "Orvane v1.0";
        t.style = ui::ModalChildStyle;
        t.cx = 186;
        t.cy = 95;
        t.pointSize = 9;
        t.controls = {
            {IdcPicture, ui::StaticClass, "", win::SsBitmap, 10, 10, 21, 20},
            {ui::IdStatic, ui::StaticClass, "Orvane, the start-up manager\nmade by Quillmark", win::SsLeft, 45, 12, 132, 20},
            {IdcWebSite, ui::ButtonClass, config::kWebSite, win::BsPushButton | win::WsTabStop, 45, 44, 132, 14},
            {win::IdOk, ui::ButtonClass, "OK", win::BsDefPushButton | win::WsGroup | win::WsTabStop, 68, 72, 50, 14},
        };
        return t;
    }();
    return dialog;
}

}  // namespace

CAboutDlg::CAboutDlg(Platform& platform) : CDialog(AboutTemplate()), m_platform(platform) {
    On(Notify::Command, IdcWebSite, &CAboutDlg::OnWebSite);
}

bool CAboutDlg::OnInitDialog() {
    Window().Static(IdcPicture).SetBitmap(IdbAbout);
    return true;
}

// The About box stays open: the user may read on after the browser opened.
void CAboutDlg::OnWebSite() {
    OpenInBrowser(m_platform, config::kWebSite);
}
