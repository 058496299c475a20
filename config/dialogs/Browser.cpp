#include "config/dialogs/Browser.h"

#include "common/TextHelpers.h"
#include "platform/WinValues.h"

void OpenInBrowser(Platform& platform, const std::string& target) {
    const intptr_t result = platform.shell.Execute("open", target, "", "", win::SwShowNormal);
    if (result <= win::ShellExecuteFailureLimit) {
        std::string text = "Error " + IntToString(static_cast<int>(result)) + " launching default browser.";
        // A page of our own can still be opened by hand, with no program
        // associated with it.
        if (target.find("://") == std::string::npos) text += "\n\nThe page is " + target;
        platform.messages.Show(text, win::MbOk);
    }
}
