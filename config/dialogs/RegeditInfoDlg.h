#pragma once
// "Regedit": which key to open in the registry editor, which cannot be told
// where to start. It stays above the editor while the user looks.
#include <string>

#include "ui/Dialog.h"

class CRegeditInfoDlg : public CDialog {
public:
    CRegeditInfoDlg();

    bool OnInitDialog() override;
    // The editor starts beside the note and opens its window after it, in
    // front: for its first seconds the note comes back in front.
    void OnTimer(unsigned timerId) override;
    static constexpr unsigned FrontTimerId = 1;
    static constexpr unsigned FrontTimerPeriod = 250;
    static constexpr int FrontTicks = 12;

    // In.
    std::string m_strKeyPath;

private:
    void BindControls();

    IEdit* m_editKeyPath = nullptr;
    int m_nFrontTicks = 0;
};
