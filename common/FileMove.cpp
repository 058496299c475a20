#include "common/FileMove.h"

#include "platform/FileSystem.h"
#include "common/MoveQuestions.h"
#include "platform/WinValues.h"

bool MoveFileConfirmed(IFileSystem& files, MoveQuestions& questions, const std::string& source,
                       const std::string& destination) {
    FileEntry entry;
    if (!files.Lookup(source, entry) || entry.IsReadOnly()) return false;
    return MoveCheckedFile(files, questions, source, destination);
}

bool MoveCheckedFile(IFileSystem& files, MoveQuestions& questions, const std::string& source,
                     const std::string& destination) {
    // A copy that must not replace anything is tried first: the destination
    // is asked after only when it stopped the copy, which spares a look-up
    // per file on the usual path (a folder's reorder moves each file twice).
    bool replacing = false;
    if (!files.Copy(source, destination, true)) {
        FileEntry entry;
        if (!files.Lookup(destination, entry) || entry.IsReadOnly()) return false;
        if (!questions.AskReplaceFile(destination)) return false;
        replacing = true;
        if (!files.Copy(source, destination, false)) return false;
    }
    if (files.Remove(source)) return true;
    // The file must not end up in both places, unless the copy already
    // replaced what was there: then the source is the only original left.
    if (!replacing) files.Remove(destination);
    return false;
}
