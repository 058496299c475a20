#pragma once
// What the places Windows starts programs from hold now: each entry's name
// and the command it starts, so that a new entry, or a managed program that
// put itself back, can be told.
#include <memory>
#include <string>
#include <vector>

#include "common/ItemPlace.h"

class IFileSystem;
class IRegistry;
class IRegistryKey;
class IShellLinks;

struct PlaceEntry {
    std::string name;     // the file's name, or the value's
    std::string command;  // as CommandKey gives it; empty when not read
};

struct HeldPlace {
    ItemPlace place;
    // False when the place is there but could not be read: its entries are
    // not known, which is not the same as none.
    bool read = true;
    std::vector<PlaceEntry> entries;
};

// A command as Windows reads it: quotes only group, and case does not count.
std::string CommandKey(const std::string& commandLine);
// The command of a shortcut, as CommandKey gives it; empty when the file is
// no shortcut that loads. The caller has initialised COM.
std::string ShortcutCommandKey(IShellLinks& links, const std::string& path);

// The string values of a key that start programs, in the key's order: the
// runner's own is left out where the place holds it. False when the key
// could not be enumerated to its end.
bool ReadStartValues(IRegistryKey& key, const ItemPlace& place, std::vector<PlaceEntry>& values);

// What each place holds; with links, each entry's command too (COM is
// initialised here for it). A folder or key that is not there is empty.
std::vector<HeldPlace> ReadPlaces(IRegistry& registry, IFileSystem& files, IShellLinks* links,
                                  const std::vector<ItemPlace>& places);

// The place holding an entry that starts this command; null when none does.
const HeldPlace* PlaceStarting(const std::vector<HeldPlace>& held, const std::string& commandKey);
// The place as messages name it: a key as the registry editor shows it, a
// folder by its path.
std::string PlaceText(const ItemPlace& place);
