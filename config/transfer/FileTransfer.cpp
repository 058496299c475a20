#include "config/transfer/FileTransfer.h"

#include "common/FileMove.h"
#include "common/PathHelpers.h"
#include "config/transfer/TransferTexts.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"

bool MoveItemFile(IFileSystem& files, IMessageBoxes& messages, const std::string& path, const std::string& directory,
                  std::string& destination) {
    destination = directory + FileNameOf(path);
    if (MoveFileConfirmed(files, messages, path, destination)) return true;
    messages.Show(path + "\nThis file could not be moved.\n\n" + InUseAdvice, win::MbIconExclamation);
    return false;
}

bool DeleteItemFile(IFileSystem& files, IMessageBoxes& messages, const std::string& path) {
    if (files.Remove(path)) return true;
    messages.Show(path + "\nThis file could not be deleted.\n\n" + InUseAdvice, win::MbIconExclamation);
    return false;
}
