#pragma once
// The configuration program's application object: it names the settings
// store after the program's file, runs the main dialog modally, and the
// program ends with the dialog.
#include <functional>

#include "platform/Platform.h"
#include "ui/Dialog.h"

class CConfigApp {
public:
    explicit CConfigApp(Platform& platform) : m_platform(platform) {}

    // runModal is the face's modal loop. Returns false: no message loop
    // follows the dialog.
    bool InitInstance(const std::function<int(CDialog&)>& runModal);

private:
    Platform& m_platform;
};
