#include "config/transfer/FileTransfer.h"

#include "common/FileMove.h"
#include "common/MoveQuestions.h"
#include "common/PathHelpers.h"
#include "config/InUseAdvice.h"
#include "config/transfer/Confirmations.h"
#include "platform/Platform.h"

namespace {

void TellFailure(IMessageBoxes& messages, const std::string& path, const char* what, bool machine) {
    messages.Show(path + "\nThis file could not be " + what + ".\n\n" + (machine ? AllUsersAdvice : "") + InUseAdvice,
                  win::MbIconExclamation);
}

}  // namespace

bool MoveItemFile(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const std::string& path,
                  const std::string& directory, std::string& destination, bool machine) {
    destination = directory + FileNameOf(path);
    if (MoveFileConfirmed(files, questions, path, destination)) return true;
    TellFailure(messages, path, "moved", machine);
    return false;
}

bool MoveItemToFolder(Platform& platform, MoveQuestions& questions, const std::string& path, const std::string& source,
                      const std::string& directory, std::string& destination, bool machine) {
    if (HasRegistrySource(source) && !questions.AskLoseRegistryOrigin()) return false;
    return MoveItemFile(platform.files, platform.messages, questions, path, directory, destination, machine);
}

bool DeleteItemFile(IFileSystem& files, IMessageBoxes& messages, const std::string& path, bool machine) {
    if (files.Remove(path)) return true;
    TellFailure(messages, path, "deleted", machine);
    return false;
}
