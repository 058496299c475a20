// The basic view and the advanced view, which adds the registry lists.
#include "config/ConfigDlg.h"

void CConfigDlg::OnShowAdvanced() {
    ShowAdvanced(true);
}

void CConfigDlg::OnShowBasic() {
    ShowAdvanced(false);
}

void CConfigDlg::ShowAdvanced(bool advanced) {
    const WindowPlacement& p = advanced ? m_advancedPlacement : m_basicPlacement;
    Window().MoveTo(p.x, p.y, p.width, p.height);
    // The registry lists stay shown: the basic view's narrower window cuts them off.
    m_btnAdvanced->Show(!advanced);
    m_btnBasic->Show(advanced);
    m_btnRegistryAdd->Show(advanced);
    m_btnRegistryRemove->Show(advanced);
    m_btnClose->Show(!advanced);
}
