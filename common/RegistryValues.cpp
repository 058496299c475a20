#include "common/RegistryValues.h"

bool SetRegistryString(IRegistry& registry, RegistryRoot root, const std::string& keyPath,
                       const std::string& name, const std::string& text) {
    const std::unique_ptr<IRegistryKey> key = registry.Open(root, keyPath, RegistryAccess::All);
    return key && key->SetString(name, text);
}

bool DeleteRegistryValue(IRegistry& registry, RegistryRoot root, const std::string& keyPath,
                         const std::string& name) {
    const std::unique_ptr<IRegistryKey> key = registry.Open(root, keyPath, RegistryAccess::All);
    return key && key->DeleteValue(name);
}
