#include "config/dialogs/Browser.h"

#include "common/TextHelpers.h"
#include "platform/WinValues.h"

void OpenInBrowser(Platform& platform, const std::string& target) {
    const intptr_t result = platform.shell.Execute("open", target, "", "", win::SwShowNormal);
    if (result <= win::ShellExecuteFailureLimit)
        platform.messages.Show("Error " + IntToString(static_cast<int>(result)) + " launching default browser.", win::MbOk);
}
