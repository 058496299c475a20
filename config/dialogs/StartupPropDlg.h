#pragma once
// A file's properties in the Windows Startup folder: shown, not changed.
#include <string>

#include "config/dialogs/PropertiesDlg.h"

class CStartupPropDlg : public CPropertiesDlg {
public:
    CStartupPropDlg();

    bool OnInitDialog() override;

    // In.
    std::string m_strPath;
    std::string m_strLocation = "Windows Startup directory";

private:
    void BindControls();

    IEdit* m_editFileName = nullptr;
    IEdit* m_editType = nullptr;
    IEdit* m_editLocation = nullptr;
};
