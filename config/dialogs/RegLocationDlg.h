#pragma once
// "Registry Location": which key a shortcut without a registry origin goes
// to. The caller sets the item's name, runs it, and on OK reads the choice.
#include <string>

#include "ui/Dialog.h"

class CRegLocationDlg : public CDialog {
public:
    CRegLocationDlg();

    bool OnInitDialog() override;
    void OnOK() override;

    // In.
    std::string m_strItemName;
    // Out, on OK.
    bool m_bRunChecked = false;
    bool m_bRunServicesChecked = false;
    bool m_bUserRunChecked = false;  // the user's own Run key

private:
    void BindControls();

    IStaticControl* m_staticItemName = nullptr;
    IButton* m_radioRun = nullptr;
    IButton* m_radioRunServices = nullptr;
    IButton* m_radioUserRun = nullptr;
};
