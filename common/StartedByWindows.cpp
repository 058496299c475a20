#include "common/StartedByWindows.h"

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
    struct Key {
        RegistryRoot root;
        const char* shown;
    };
    for (const Key key : {Key{RegistryRoot::CurrentUser, "HKEY_CURRENT_USER"}, Key{RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE"},
                          Key{RegistryRoot::LocalMachine32, "HKEY_LOCAL_MACHINE\\Software\\Wow6432Node"}}) {
        if (key.root == RegistryRoot::LocalMachine32 && !registry.HasSeparate32BitView()) continue;
        const std::unique_ptr<IRegistryKey> opened = registry.Open(key.root, settings::kRunKey, RegistryAccess::Read);
        RegistryValue value;
        for (uint32_t index = 0; opened && opened->Enumerate(index, value) == RegistryEnum::Value; ++index) {
            if (value.type != win::RegSz || NamesRunnerValue(value.name)) continue;
            if (Comparable(value.Text()) == command) {
                const std::string shown = key.shown;
                // The 32-bit view's path already names Software.
                return key.root == RegistryRoot::LocalMachine32
                           ? shown + std::string(settings::kRunKey).substr(8)
                           : shown + "\\" + settings::kRunKey;
            }
        }
    }
    return std::string();
}
