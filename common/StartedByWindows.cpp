#include "common/StartedByWindows.h"

#include "common/ItemPlace.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "platform/Registry.h"
#include "platform/ShellLinks.h"
#include "platform/WinValues.h"

namespace {

// A command as Windows reads it: quotes only group, and case does not count.
std::string Comparable(const std::string& command) {
    return UpperCopy(Trim(RemoveChar(command, '"')));
}

}  // namespace

std::string RunKeyStartingAgain(IRegistry& registry, IShellLinks& links, const std::string& path) {
    ShortcutFields fields;
    if (!links.InitializeCom()) return std::string();
    const bool loaded = links.Load(path, fields);
    links.UninitializeCom();
    if (!loaded || fields.target.empty()) return std::string();
    const std::string command = Comparable(fields.target + " " + fields.arguments);
    for (const RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine, RegistryRoot::LocalMachine32}) {
        if (root == RegistryRoot::LocalMachine32 && !registry.HasSeparate32BitView()) continue;
        ItemPlace run;
        run.kind = PlaceKind::RegistryKey;
        run.path = settings::kRunKey;
        run.root = root;
        const std::unique_ptr<IRegistryKey> opened = registry.Open(root, run.path, RegistryAccess::Read);
        RegistryValue value;
        for (uint32_t index = 0; opened && opened->Enumerate(index, value) == RegistryEnum::Value; ++index) {
            if (value.type != win::RegSz || NamesRunnerValue(value.name)) continue;
            if (Comparable(value.Text()) == command) return ShownKeyPath(run);
        }
    }
    return std::string();
}
