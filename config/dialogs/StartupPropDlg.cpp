#include "config/dialogs/StartupPropDlg.h"

#include "config/dialogs/StartupPropIds.h"

#include "common/PathHelpers.h"
#include "config/dialogs/TypeText.h"

using namespace startupprop;

namespace {

const DialogTemplate& StartupPropTemplate() {
    static const DialogTemplate dialog = props::Template(IddStartupProp, {
                                                                             props::Label("Name:", 38),
                                                                             props::Field(IdcFileName, 38),
                                                                             props::Label("Type:", 52),
                                                                             props::Field(IdcType, 52),
                                                                             props::Label("Location:", 66),
                                                                             props::Field(IdcLocation, 66),
                                                                         });
    return dialog;
}

}  // namespace

CStartupPropDlg::CStartupPropDlg() : CPropertiesDlg(StartupPropTemplate()) {}

void CStartupPropDlg::BindControls() {
    IDialogWindow& w = Window();
    m_editFileName = &w.Edit(IdcFileName);
    m_editType = &w.Edit(IdcType);
    m_editLocation = &w.Edit(IdcLocation);
}

bool CStartupPropDlg::OnInitDialog() {
    CPropertiesDlg::OnInitDialog();
    BindControls();
    m_editFileName->SetText(FileNameOf(m_strPath));
    m_editLocation->SetText(m_strLocation);
    m_editType->SetText(TypeTextOf(m_strPath));
    return true;
}
