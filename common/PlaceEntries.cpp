#include "common/PlaceEntries.h"

#include "common/PathHelpers.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "platform/Registry.h"
#include "platform/ShellLinks.h"
#include "platform/WinValues.h"

std::string CommandKey(const std::string& commandLine) {
    return UpperCopy(Trim(RemoveChar(commandLine, '"')));
}

bool IsShortcutFile(const std::string& path) { return UpperCopy(ExtensionOf(path)) == "LNK"; }

std::string ShortcutCommandKey(IShellLinks& links, const std::string& path) {
    if (!IsShortcutFile(path)) return std::string();
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

std::string PlaceText(const ItemPlace& place) {
    return place.IsRegistry() ? ShownKeyPath(place) : place.path;
}
