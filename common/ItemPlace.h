#pragma once
// Where an item lives: a folder, or a registry key under a root.
#include <string>

#include "platform/Registry.h"

enum class PlaceKind { Folder, RegistryKey };

struct ItemPlace {
    PlaceKind kind = PlaceKind::Folder;
    // The folder, with its trailing backslash, or the key's path under root.
    std::string path;
    RegistryRoot root = RegistryRoot::LocalMachine;
    // What a manager row's Source records of an item taken from here; empty
    // for the manager's own folder.
    std::string sourceTag;
    // The key's own name, as messages call its list.
    std::string keyName;
    // The runner's own start-up value lives here: it is not listed, and no
    // item may take its name.
    bool holdsRunner = false;

    bool IsRegistry() const { return kind == PlaceKind::RegistryKey; }
};

// The root as the registry editor names it.
inline const char* RootName(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}
