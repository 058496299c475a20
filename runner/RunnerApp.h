#pragma once
// The runner's application object: runs its one dialog modally and ends.
#include <functional>

#include "platform/Platform.h"
#include "ui/Dialog.h"

class CRunnerApp {
public:
    // runModal: the ui face's modal run of a dialog (win32 or headless).
    CRunnerApp(Platform& platform, std::function<int(CDialog&)> runModal)
        : m_platform(platform), m_runModal(std::move(runModal)) {}
    // Runs the dialog; false: the program ends (the dialog's result is not used).
    bool InitInstance();

private:
    Platform& m_platform;
    std::function<int(CDialog&)> m_runModal;
};
