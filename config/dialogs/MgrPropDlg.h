#pragma once
// A managed item's properties, and what they let the user change: the wait
// before it, 0 to 99 seconds, whether it then waits for an idle computer,
// and how it is launched.
#include <string>

#include "common/LaunchOptions.h"
#include "config/dialogs/PropertiesDlg.h"
#include "platform/MessageBoxes.h"

class CMgrPropDlg : public CPropertiesDlg {
public:
    explicit CMgrPropDlg(IMessageBoxes& messages);

    bool OnInitDialog() override;
    // Accepts only a wait from 0 to 99.
    void OnOK() override;

    // In.
    std::string m_strPath;
    std::string m_strSource;
    // In: what the item starts, and with what.
    std::string m_strProgram;
    std::string m_strArguments;
    // In: the row's Wait text; out, on OK: the Wait edit's text and its value.
    std::string m_strWait;
    int m_nWait = 0;
    // In and out: the item waits for an idle computer after its wait.
    bool m_bIdle = false;
    // In and out.
    LaunchOptions m_launch;
    // In and out: its processes start below normal priority for a minute.
    bool m_bLow = false;

private:
    void BindControls();

    IMessageBoxes& m_messages;
    IEdit* m_editFileName = nullptr;
    IEdit* m_editType = nullptr;
    IEdit* m_editSource = nullptr;
    IEdit* m_editWait = nullptr;
    IButton* m_checkIdle = nullptr;
};
