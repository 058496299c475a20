#include "config/dialogs/HelpChoiceDlg.h"

#include "config/dialogs/HelpChoiceIds.h"

#include "common/PathHelpers.h"
#include "config/dialogs/Browser.h"
#include "config/dialogs/WebSite.h"
#include "platform/WinValues.h"

using namespace helpchoice;

namespace {

const DialogTemplate& HelpChoiceTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddHelpChoice;
        t.caption = "Orvane Help";
        t.style = ui::ModalChildStyle;
        // Wide enough that the web address ends the first line whole: Wine
        // breaks a word after "http://" where Windows would move it down.
        t.cx = 285;
        t.cy = 74;
        // Kept for the program's life, as the template that points at it.
        static const std::string text = std::string("The latest Orvane documentation is located at ") + config::kWebSite +
                                        ".  If you are connected to the internet, click Online to browse to the latest "
                                        "documentation, otherwise click Local.";
        t.controls = {
            {ui::IdStatic, ui::StaticClass, text.c_str(), win::SsLeft, 10, 8, 265, 34},
            {IdcOnline, ui::ButtonClass, "&Online", win::BsDefPushButton | win::WsGroup | win::WsTabStop, 109, 52, 50, 14},
            {IdcLocal, ui::ButtonClass, "&Local", win::BsPushButton | win::WsTabStop, 167, 52, 50, 14},
            {win::IdCancel, ui::ButtonClass, "Cancel", win::BsPushButton | win::WsTabStop, 225, 52, 50, 14},
        };
        return t;
    }();
    return dialog;
}

}  // namespace

std::string LocalHelpPath(IFileSystem& files) {
    return ProgramDirectory(files) + "\\Doc\\Contents.htm";
}

CHelpChoiceDlg::CHelpChoiceDlg(Platform& platform) : CDialog(HelpChoiceTemplate()), m_platform(platform) {
    On(Notify::Command, IdcOnline, &CHelpChoiceDlg::OnOnline);
    On(Notify::Command, IdcLocal, &CHelpChoiceDlg::OnLocal);
}

// Either way the choice is made: the dialog closes even when the browser did not start.
void CHelpChoiceDlg::OnOnline() {
    OpenInBrowser(m_platform, config::OnlineContents());
    EndDialog(win::IdOk);
}

void CHelpChoiceDlg::OnLocal() {
    OpenInBrowser(m_platform, LocalHelpPath(m_platform.files));
    EndDialog(win::IdOk);
}
