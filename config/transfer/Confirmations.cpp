#include "config/transfer/Confirmations.h"

#include "common/TextHelpers.h"
#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"

namespace {

bool AnsweredYes(IMessageBoxes& messages, const std::string& question) {
    return messages.Show(question, win::MbYesNoCancel | win::MbIconQuestion) == win::IdYes;
}

bool Contains(const std::string& text, const char* upperWord) {
    return UpperCopy(text).find(upperWord) != std::string::npos;
}

}  // namespace

bool ConfirmSourceLoss(IMessageBoxes& messages) {
    return AnsweredYes(messages, std::string("This item was originally from a registry list.  If it is moved\n") +
                                     "out of the manager, then its source information will be lost.\n\n" +
                                     "Do you want to remove it anyway?");
}

bool ConfirmSystrayMove(IMessageBoxes& messages) {
    return AnsweredYes(messages, std::string("The system tray belongs in the Registry's Run list.\n") +
                                     "It is not recommended that it be moved from there.\n\n" +
                                     "Do you want to remove it anyway?");
}

bool HasRegistrySource(const std::string& source) {
    return Contains(source, "RUN") || Contains(source, "SERVICES");
}

bool NamesSystray(const std::string& commandLine) {
    return Contains(commandLine, "SYSTRAY");
}
