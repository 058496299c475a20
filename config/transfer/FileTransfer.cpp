#include "config/transfer/FileTransfer.h"

#include "common/FileMove.h"
#include "common/MoveQuestions.h"
#include "common/PathHelpers.h"
#include "config/InUseAdvice.h"
#include "config/transfer/Confirmations.h"
#include "platform/Platform.h"

bool MoveItemFile(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const std::string& path,
                  const std::string& directory, std::string& destination) {
    destination = directory + FileNameOf(path);
    if (MoveFileConfirmed(files, questions, path, destination)) return true;
    messages.Show(path + "\nThis file could not be moved.\n\n" + InUseAdvice, win::MbIconExclamation);
    return false;
}

bool MoveItemToFolder(Platform& platform, MoveQuestions& questions, const std::string& path, const std::string& source,
                      const std::string& directory, std::string& destination) {
    if (HasRegistrySource(source) && !questions.AskLoseRegistryOrigin()) return false;
    return MoveItemFile(platform.files, platform.messages, questions, path, directory, destination);
}

bool DeleteItemFile(IFileSystem& files, IMessageBoxes& messages, const std::string& path) {
    if (files.Remove(path)) return true;
    messages.Show(path + "\nThis file could not be deleted.\n\n" + InUseAdvice, win::MbIconExclamation);
    return false;
}
