#pragma once
// "Regedit": which key to open in the registry editor, which cannot be told
// where to start. It stays above the editor while the user looks.
#include <string>

#include "ui/Dialog.h"

class CRegeditInfoDlg : public CDialog {
public:
    CRegeditInfoDlg();

    bool OnInitDialog() override;

    // In.
    std::string m_strKeyPath;

private:
    void DoDataExchange();

    IEdit* m_editKeyPath = nullptr;
};
