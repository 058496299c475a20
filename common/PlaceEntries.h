#pragma once
// The entries of the places Windows starts programs from: each one's name
// and the command it starts, so that a new entry, or a managed program that
// put itself back, can be told.
#include <string>
#include <vector>

#include "common/ItemPlace.h"

class IRegistryKey;
class IShellLinks;

struct PlaceEntry {
    std::string name;     // the file's name, or the value's
    std::string command;  // as CommandKey gives it; empty when not read
    bool off = false;     // turned off in Windows: it starts nothing
};

// A command as Windows reads it: quotes only group, and case does not count.
std::string CommandKey(const std::string& commandLine);
// A .lnk file: any other file is no shortcut, and a look at the name costs
// far less than asking the shell.
bool IsShortcutFile(const std::string& path);
// The command of a shortcut, as CommandKey gives it; empty when the file is
// no shortcut that loads. The caller has initialised COM.
std::string ShortcutCommandKey(IShellLinks& links, const std::string& path);

// The string values of a key that start programs, in the key's order: the
// runner's own is left out where the place holds it. False when the key
// could not be enumerated to its end.
bool ReadStartValues(IRegistryKey& key, const ItemPlace& place, std::vector<PlaceEntry>& values);

// The place as messages name it: a key as the registry editor shows it, a
// folder by its path.
std::string PlaceText(const ItemPlace& place);
