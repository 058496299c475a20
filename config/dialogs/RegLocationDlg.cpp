#include "config/dialogs/RegLocationDlg.h"

#include "config/dialogs/RegLocationIds.h"

#include "platform/WinValues.h"

using namespace reglocation;

namespace {

const DialogTemplate& RegLocationTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddRegLocation;
        t.caption = "Registry Location";
        // Centred on its owner, not over its menu bar.
        t.style = ui::ModalChildStyle;
        // The text has room for a fourth line, where a wider font wraps its
        // second.
        t.cx = 200;
        t.cy = 120;
        t.controls = {
            {IdcItemName, ui::StaticClass, "", win::SsLeft, 10, 5, 180, 10},
            {ui::IdStatic, ui::StaticClass,
             "This shortcut is not marked as originating from the\nregistry.  Select which registry location you "
             "wish to\nmove this shortcut to.",
             win::SsLeft, 10, 16, 180, 33},
            {IdcRadioRun, ui::ButtonClass, "Run", win::BsAutoRadioButton | win::WsGroup | win::WsTabStop, 25, 58, 30, 10},
            {IdcRadioRunServices, ui::ButtonClass, "RunServices", win::BsAutoRadioButton, 25, 68, 60, 10},
            // The user's own key needs no administrator rights.
            {IdcRadioUserRun, ui::ButtonClass, "Run of this user only", win::BsAutoRadioButton, 25, 78, 110, 10},
            {win::IdOk, ui::ButtonClass, "OK", win::BsDefPushButton | win::WsGroup | win::WsTabStop, 89, 100, 50, 14},
            {win::IdCancel, ui::ButtonClass, "Cancel", win::BsPushButton | win::WsTabStop, 144, 100, 50, 14},
        };
        return t;
    }();
    return dialog;
}

}  // namespace

CRegLocationDlg::CRegLocationDlg() : CDialog(RegLocationTemplate()) {}

void CRegLocationDlg::BindControls() {
    m_staticItemName = &Window().Static(IdcItemName);
    m_radioRun = &Window().Button(IdcRadioRun);
    m_radioRunServices = &Window().Button(IdcRadioRunServices);
    m_radioUserRun = &Window().Button(IdcRadioUserRun);
}

bool CRegLocationDlg::OnInitDialog() {
    BindControls();
    m_staticItemName->SetText(m_strItemName);
    m_radioRun->SetCheck(1);
    return true;
}

void CRegLocationDlg::OnOK() {
    m_bRunChecked = m_radioRun->Check() != 0;
    m_bRunServicesChecked = m_radioRunServices->Check() != 0;
    m_bUserRunChecked = m_radioUserRun->Check() != 0;
    EndDialog(win::IdOk);
}
