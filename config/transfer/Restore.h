#pragma once
// Putting one managed item back into the place it was taken from.
#include <string>

#include "common/ItemPlace.h"

struct Platform;
class MoveQuestions;

enum class Restored {
    No,            // it stays in the manager (the message was shown, or a replacement declined)
    Yes,           // it is back, and no longer in the manager
    ShortcutLeft,  // its value is written, but its shortcut stayed in the manager (told)
};

struct RestoreStep {
    Restored result = Restored::No;
    // Where it now lives: the file's new path, or the value's command line.
    std::string path;
};

// A file goes back into its folder, a shortcut into its key as a value,
// with its state where Windows keeps it. A file already gone has nothing to
// carry and counts as back: its row is still handed over.
RestoreStep RestoreItem(Platform& platform, MoveQuestions& questions, const std::string& name, const std::string& path,
                        const ItemPlace& origin, bool off);
