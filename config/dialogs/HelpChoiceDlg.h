#pragma once
// "Orvane Help": the documentation online or the copy beside the program.
#include "platform/Platform.h"
#include "ui/Dialog.h"

class CHelpChoiceDlg : public CDialog {
public:
    explicit CHelpChoiceDlg(Platform& platform);

private:
    void OnOnline();
    void OnLocal();

    Platform& m_platform;
};

// Where the local documentation lies: Doc\Contents.htm in the program's directory.
std::string LocalHelpPath(IFileSystem& files);
