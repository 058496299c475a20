#include "common/PlaceEntries.h"

#include "common/FolderFiles.h"
#include "common/PathHelpers.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ShellLinks.h"
#include "platform/WinValues.h"

std::string CommandKey(const std::string& commandLine) {
    return UpperCopy(Trim(RemoveChar(commandLine, '"')));
}

std::string ShortcutCommandKey(IShellLinks& links, const std::string& path) {
    // Any other file is no shortcut, and a failed load costs the shell more than a look at the name.
    if (UpperCopy(ExtensionOf(path)) != "LNK") return std::string();
    ShortcutFields fields;
    if (!links.Load(path, fields) || fields.target.empty()) return std::string();
    return CommandKey(fields.target + " " + fields.arguments);
}

bool ReadStartValues(IRegistryKey& key, const ItemPlace& place, std::vector<PlaceEntry>& values) {
    RegistryValue value;
    for (uint32_t index = 0;; ++index) {
        const RegistryEnum found = key.Enumerate(index, value);
        if (found == RegistryEnum::NoMoreItems) return true;
        // Any other error stays at every later index too: the list would never end.
        if (found == RegistryEnum::Failed) return false;
        if (value.type != win::RegSz) continue;
        if (place.holdsRunner && NamesRunnerValue(value.name)) continue;
        values.push_back(PlaceEntry{value.name, value.Text()});
    }
}

std::vector<HeldPlace> ReadPlaces(IRegistry& registry, IFileSystem& files, IShellLinks* links,
                                  const std::vector<ItemPlace>& places) {
    const bool com = links != nullptr && links->InitializeCom();
    std::vector<HeldPlace> held;
    for (const ItemPlace& place : places) {
        held.push_back(HeldPlace{place, true, {}});
        HeldPlace& now = held.back();
        if (place.IsRegistry()) {
            const std::unique_ptr<IRegistryKey> key = registry.Open(place.root, place.path, RegistryAccess::Read);
            if (key) now.read = ReadStartValues(*key, place, now.entries);
            for (PlaceEntry& entry : now.entries) entry.command = links != nullptr ? CommandKey(entry.command) : "";
            continue;
        }
        std::vector<FileEntry> found;
        FileEntry folder;
        now.read = ReadFolder(files, place.path, found) || !files.Lookup(place.path.substr(0, place.path.size() - 1), folder);
        for (const FileEntry& file : found)
            now.entries.push_back(PlaceEntry{file.name, com ? ShortcutCommandKey(*links, file.path) : ""});
    }
    if (com) links->UninitializeCom();
    return held;
}

const HeldPlace* PlaceStarting(const std::vector<HeldPlace>& held, const std::string& commandKey) {
    if (commandKey.empty()) return nullptr;
    for (const HeldPlace& place : held)
        for (const PlaceEntry& entry : place.entries)
            if (entry.command == commandKey) return &place;
    return nullptr;
}

std::string PlaceText(const ItemPlace& place) {
    return place.IsRegistry() ? ShownKeyPath(place) : place.path;
}
