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
    // Every user's (a machine key, the all-users folder): only an
    // administrator may change it.
    bool machine = false;
    // Where the item lives, in a word or two, beside its row when the list
    // has more than one place.
    std::string mark;
    // The key beside the place where Windows keeps its entries' enabled
    // states ("Run", "Run32", "StartupFolder"), under its root; null where
    // there are none.
    const char* approved = nullptr;
    RegistryRoot approvedRoot = RegistryRoot::CurrentUser;

    bool IsRegistry() const { return kind == PlaceKind::RegistryKey; }

    // A folder, and a key under a root; the other fields are named where
    // they are set.
    static ItemPlace Folder(const std::string& folder);
    static ItemPlace Key(RegistryRoot root, const char* key);
    ItemPlace& Tagged(const char* source);
    ItemPlace& Marked(const char* where);
    ItemPlace& Named(const char* key);
    ItemPlace& HoldingRunner();
    ItemPlace& EveryUsers();
    ItemPlace& Approved(RegistryRoot root, const char* key);
};

// The root as the registry editor names it.
inline const char* RootName(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

// The key as the registry editor shows it: the 32-bit view's keys lie under
// Software\Wow6432Node.
inline std::string ShownKeyPath(const ItemPlace& place) {
    std::string path = place.path;
    const std::string software = "Software\\";
    if (place.root == RegistryRoot::LocalMachine32 && path.compare(0, software.size(), software) == 0)
        path.insert(software.size(), "Wow6432Node\\");
    return std::string(RootName(place.root)) + "\\" + path;
}

// A registry place as the properties' Location names it: the machine's keys
// in the words they always had, the other views of a key by whose they are.
inline std::string RegistryItemsText(const ItemPlace& place) {
    if (place.root == RegistryRoot::LocalMachine) return "Registry's " + place.sourceTag + " Items";
    return "Registry's " + place.keyName + " Items (" + (place.root == RegistryRoot::CurrentUser ? "this user" : "32-bit") + ")";
}
