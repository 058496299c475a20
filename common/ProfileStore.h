#pragma once
// The configuration program's per-user profile: section S of application A
// under company key K is HKEY_CURRENT_USER "Software\\K\\A\\S".
#include <string>

class IRegistry;

class CProfileStore {
public:
    CProfileStore(IRegistry& registry, std::string registryKey, std::string appName);

    // A REG_DWORD value, or the default when it is missing or of another type.
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const;
    // Create the keys on first write.
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value);        // REG_DWORD
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& text);  // REG_SZ

    std::string SectionKey(const std::string& section) const;

private:
    IRegistry& m_registry;
    std::string m_registryKey;
    std::string m_appName;
};
