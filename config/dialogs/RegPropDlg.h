#pragma once
// A registry value's properties in the Run or RunServices list: shown, not changed.
#include <string>

#include "config/dialogs/PropertiesDlg.h"

class CRegPropDlg : public CPropertiesDlg {
public:
    CRegPropDlg();

    bool OnInitDialog() override;

    // In.
    std::string m_strLocation;
    std::string m_strCommandLine;

private:
    void BindControls();

    IEdit* m_editLocation = nullptr;
    IEdit* m_editCommandLine = nullptr;
};
