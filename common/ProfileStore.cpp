#include "common/ProfileStore.h"

#include <memory>
#include <utility>

#include "platform/Registry.h"
#include "platform/WinValues.h"

CProfileStore::CProfileStore(IRegistry& registry, std::string registryKey, std::string appName)
    : m_registry(registry), m_registryKey(std::move(registryKey)), m_appName(std::move(appName)) {}

std::string CProfileStore::SectionKey(const std::string& section) const {
    return "Software\\" + m_registryKey + "\\" + m_appName + "\\" + section;
}

int CProfileStore::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const {
    const std::unique_ptr<IRegistryKey> key = m_registry.Open(RegistryRoot::CurrentUser, SectionKey(section), RegistryAccess::Read);
    RegistryValue value;
    if (!key || !key->Query(entry, value) || value.type != win::RegDword || value.data.size() != 4) return defaultValue;
    uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
    return static_cast<int>(number);
}

bool CProfileStore::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
    const std::unique_ptr<IRegistryKey> key = m_registry.Create(RegistryRoot::CurrentUser, SectionKey(section));
    return key && key->SetDword(entry, static_cast<uint32_t>(value));
}

bool CProfileStore::WriteProfileString(const std::string& section, const std::string& entry, const std::string& text) {
    const std::unique_ptr<IRegistryKey> key = m_registry.Create(RegistryRoot::CurrentUser, SectionKey(section));
    return key && key->SetString(entry, text);
}
