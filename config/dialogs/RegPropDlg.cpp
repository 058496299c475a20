#include "config/dialogs/RegPropDlg.h"

#include "config/dialogs/RegPropIds.h"

#include "platform/WinValues.h"

using namespace regprop;

namespace {

const DialogTemplate& RegPropTemplate() {
    static const DialogTemplate dialog =
        props::Template(IddRegProp, {
                                        props::Label("Location:", 38),
                                        props::Field(IdcLocation, 38),
                                        props::Label("Command Line:", 56),
                                        {IdcCommandLine, ui::EditClass, "",
                                         win::EsReadOnly | win::EsAutoHScroll | win::WsBorder | win::WsTabStop, 10, 68, 207, 12},
                                    });
    return dialog;
}

}  // namespace

CRegPropDlg::CRegPropDlg() : CPropertiesDlg(RegPropTemplate()) {}

void CRegPropDlg::BindControls() {
    m_editLocation = &Window().Edit(IdcLocation);
    m_editCommandLine = &Window().Edit(IdcCommandLine);
}

bool CRegPropDlg::OnInitDialog() {
    CPropertiesDlg::OnInitDialog();
    BindControls();
    m_editLocation->SetText(m_strLocation);
    m_editCommandLine->SetText(m_strCommandLine);
    return true;
}
