#include "common/FileMove.h"

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"

bool MoveFileConfirmed(IFileSystem& files, IMessageBoxes& messages, const std::string& source,
                       const std::string& destination) {
    FileEntry entry;
    if (!files.Lookup(source, entry) || entry.IsReadOnly()) return false;

    const bool replacing = files.Lookup(destination, entry);
    if (replacing) {
        if (entry.IsReadOnly()) return false;
        const int answer = messages.Show(destination + "\nThis file already exists.\n\nReplace existing file?",
                                         win::MbYesNoCancel | win::MbIconExclamation);
        if (answer != win::IdYes) return false;
    }

    // Unless the user said to replace it, a file there must stop the copy:
    // a look-up that failed would otherwise overwrite one unasked.
    if (!files.Copy(source, destination, !replacing)) return false;
    if (files.Remove(source)) return true;
    // The file must not end up in both places, unless the copy already
    // replaced what was there: then the source is the only original left.
    if (!replacing) files.Remove(destination);
    return false;
}
