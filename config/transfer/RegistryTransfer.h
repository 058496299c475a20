#pragma once
// Turning a registry value into a shortcut in the manager directory, and a
// shortcut back into a value.
#include <string>

#include "common/ItemPlace.h"
#include "common/StartupApproved.h"

struct Platform;
class MoveQuestions;

// The command line a shortcut goes back into the registry as: target, one
// blank, arguments; a target holding a blank is quoted, so that Windows
// reads the same program back.
std::string RegistryCommandLine(const std::string& target, const std::string& arguments);

// Makes the value's shortcut in the directory and deletes the value; name is
// the value's name in, the shortcut's title out. Asks first when the command
// starts the system tray. False, with the value kept and its message shown,
// on any stop.
bool TakeRegistryValue(Platform& platform, MoveQuestions& questions, const ItemPlace& from, const std::string& directory, std::string& name,
                       const std::string& commandLine);

// The item's file is a shortcut; otherwise shows that it cannot go to the
// registry.
bool CheckIsShortcut(Platform& platform, const std::string& name, const std::string& path);

enum class RegistryMove {
    NotMoved,      // nothing changed (the message was shown, or the user declined)
    Moved,         // the value is written and the shortcut deleted
    ShortcutLeft,  // the value is written, the shortcut could not be deleted (told)
};

// Writes the shortcut at path as the value name under the key, then deletes
// the shortcut. A value of that name is replaced only when the user says so
// (replaced tells); the question calls the list by the key's own name.
// commandLine is what was written.
RegistryMove PutShortcutInRegistry(Platform& platform, MoveQuestions& questions, const std::string& name, const std::string& path,
                                   const ItemPlace& to, std::string& commandLine, bool& replaced);

// Deletes the value; on failure shows name + "This registry key could not be deleted."
bool DeleteRegistryItem(Platform& platform, const ItemPlace& place, const std::string& name);

// The key of a place's states, as the registry editor shows it.
std::string ApprovedKeyText(const ItemPlace& place);
// Writes the entry's state where Windows keeps it beside the place; a
// failure is shown, with what only an administrator may change.
bool CarryState(Platform& platform, const ItemPlace& place, const std::string& entryName, ApprovedWrite write);
// What an item arriving in a place leaves there: its off value when off,
// no stale one when on.
inline ApprovedWrite ArrivingState(bool off) { return off ? ApprovedWrite::Off : ApprovedWrite::Clear; }
