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
        t.cx = 186;
        t.cy = 102;
        t.controls = {
            {IdcItemName, ui::StaticClass, "", win::SsLeft, 10, 5, 165, 10},
            {ui::IdStatic, ui::StaticClass,
             "This shortcut is not marked as originating from the\nregistry.  Select which registry location you "
             "wish to\nmove this shortcut to.",
             win::SsLeft, 10, 16, 165, 25},
            {IdcRadioRun, ui::ButtonClass, "Run", win::BsAutoRadioButton | win::WsGroup | win::WsTabStop, 25, 50, 30, 10},
            {IdcRadioRunServices, ui::ButtonClass, "RunServices", win::BsAutoRadioButton, 25, 60, 60, 10},
            {win::IdOk, ui::ButtonClass, "OK", win::BsDefPushButton | win::WsGroup | win::WsTabStop, 75, 82, 50, 14},
            {win::IdCancel, ui::ButtonClass, "Cancel", win::BsPushButton | win::WsTabStop, 130, 82, 50, 14},
        };
        return t;
    }();
    return dialog;
}

}  // namespace

CRegLocationDlg::CRegLocationDlg() : CDialog(RegLocationTemplate()) {}

void CRegLocationDlg::DoDataExchange() {
    m_staticItemName = &Window().Static(IdcItemName);
    m_radioRun = &Window().Button(IdcRadioRun);
    m_radioRunServices = &Window().Button(IdcRadioRunServices);
}

bool CRegLocationDlg::OnInitDialog() {
    DoDataExchange();
    m_staticItemName->SetText(m_strItemName);
    m_radioRun->SetCheck(1);
    return true;
}

void CRegLocationDlg::OnOK() {
    m_bRunChecked = m_radioRun->Check() != 0;
    m_bRunServicesChecked = m_radioRunServices->Check() != 0;
    EndDialog(win::IdOk);
}
