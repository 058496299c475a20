#include "common/HeldPlaces.h"

#include "common/ComScope.h"
#include "common/FolderFiles.h"
#include "common/StartPlaces.h"
#include "common/StartupApproved.h"
#include "common/TextHelpers.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ShellLinks.h"

std::vector<HeldPlace> ReadPlaces(IRegistry& registry, IFileSystem& files, IShellLinks& links,
                                  const StartPlaces& places) {
    const ComScope com(links);
    std::vector<HeldPlace> held;
    places.ForEach([&](const ItemPlace& place) {
        held.push_back(HeldPlace{place, true, {}});
        HeldPlace& now = held.back();
        ApprovedStates states;
        ReadApproved(registry, place, states);
        if (place.IsRegistry()) {
            const std::unique_ptr<IRegistryKey> key = registry.Open(place.root, place.path, RegistryAccess::Read);
            if (key) now.read = ReadStartValues(*key, place, now.entries);
            for (PlaceEntry& entry : now.entries) entry.command = CommandKey(entry.command);
        } else {
            std::vector<FileEntry> found;
            now.read = ReadFolderIfThere(files, place.path, found);
            for (const FileEntry& file : found)
                now.entries.push_back(PlaceEntry{file.name, com.Started() ? ShortcutCommandKey(links, file.path) : ""});
        }
        for (PlaceEntry& entry : now.entries) entry.off = states.Off(entry.name);
    });
    return held;
}

const HeldPlace* PlaceStarting(const std::vector<HeldPlace>& held, const std::string& commandKey,
                               const PlaceEntry** entry) {
    if (commandKey.empty()) return nullptr;
    for (const HeldPlace& place : held)
        for (const PlaceEntry& found : place.entries)
            if (found.command == commandKey && !found.off) {
                if (entry != nullptr) *entry = &found;
                return &place;
            }
    return nullptr;
}

std::vector<SeenEntry> UpdateSeen(const std::vector<SeenEntry>& before, bool hadRecord,
                                  const std::vector<HeldPlace>& now, std::vector<SeenEntry>& appeared) {
    const SeenIndex record(before, hadRecord);
    std::vector<SeenEntry> after;
    std::vector<std::string> lookedAt;
    for (const HeldPlace& held : now) {
        const std::string& source = held.place.sourceTag;
        lookedAt.push_back(source);
        if (!held.read) {
            for (const SeenEntry& entry : before)
                if (entry.source == source) after.push_back(entry);
            continue;
        }
        for (const PlaceEntry& entry : held.entries) {
            after.push_back(SeenEntry{source, entry.name, record.IsNew(source, entry.name)});
            if (hadRecord && !record.Holds(source, entry.name)) appeared.push_back(after.back());
        }
    }
    KeepOtherPlaces(before, lookedAt, after);
    return after;
}
