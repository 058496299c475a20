#include "common/FileMove.h"
#include "common/PathHelpers.h"
#include "config/transfer/RegistryTransfer.h"
#include "config/transfer/Restore.h"
#include "platform/Platform.h"

RestoreStep RestoreItem(Platform& platform, MoveQuestions& questions, const std::string& name, const std::string& path,
                        const ItemPlace& origin, bool off) {
    RestoreStep step;
    if (origin.IsRegistry()) {
        if (!CheckIsShortcut(platform, name, path)) return step;
        bool replaced = false;
        const RegistryMove moved = PutShortcutInRegistry(platform, questions, name, path, origin, step.path, replaced);
        step.result = moved == RegistryMove::Moved ? Restored::Yes
                    : moved == RegistryMove::ShortcutLeft ? Restored::ShortcutLeft
                                                          : Restored::No;
    } else {
        step.path = origin.path + FileNameOf(path);
        // A file already gone has nothing to carry; one that could not even
        // be looked for may well be there still.
        std::vector<FileEntry> found;
        if (MoveFileConfirmed(platform.files, questions, path, step.path) ||
            (platform.files.Search(path, found) && found.empty()))
            step.result = Restored::Yes;
    }
    if (step.result != Restored::No)
        CarryState(platform, origin, origin.IsRegistry() ? name : FileNameOf(path), ArrivingState(off));
    return step;
}
