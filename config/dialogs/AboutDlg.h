#pragma once
// "Orvane v1.0": the picture, the maker, and a button to the web site.
#include "platform/Platform.h"
#include "ui/Dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(Platform& platform);

    bool OnInitDialog() override;

private:
    void OnWebSite();

    Platform& m_platform;
};
