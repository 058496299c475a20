#pragma once
// The registry: keys opened and closed within the operation that uses them.
#include <cstdint>
#include <memory>
#include <string>

// LocalMachine32 is the machine's keys as 32-bit programs see them on 64-bit
// Windows (the registry's 32-bit view: Software\Wow6432Node); where there is
// no separate view it is the machine's own.
enum class RegistryRoot { CurrentUser, LocalMachine, LocalMachine32 };
enum class RegistryAccess { Read, All };

struct RegistryValue {
    std::string name;
    uint32_t type = 0;  // win::Reg*
    std::string data;   // raw bytes as stored (a REG_SZ usually ends with its NUL)

    // The text of a string value: the data up to its first NUL.
    std::string Text() const;
};

enum class RegistryEnum { Value, NoMoreItems, Failed };

// An open key; closed when destroyed (RegCloseKey).
class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;
    // RegQueryValueExA, read whole.
    virtual bool Query(const std::string& name, RegistryValue& value) = 0;
    // RegEnumValueA at an index, name and data read whole.
    virtual RegistryEnum Enumerate(uint32_t index, RegistryValue& value) = 0;
    // RegSetValueExA with these exact bytes.
    virtual bool Set(const std::string& name, uint32_t type, const std::string& data) = 0;
    // RegDeleteValueA.
    virtual bool DeleteValue(const std::string& name) = 0;

    // A REG_SZ value whose stored size counts the terminating NUL.
    bool SetString(const std::string& name, const std::string& text);
    bool SetDword(const std::string& name, uint32_t number);
};

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // RegOpenKeyExA: null when the key is missing or the access is refused.
    virtual std::unique_ptr<IRegistryKey> Open(RegistryRoot root, const std::string& path, RegistryAccess access) = 0;
    // False only when the system says the key is not there (not when it
    // refuses to open it).
    virtual bool Exists(RegistryRoot root, const std::string& path) = 0;
    // RegCreateKeyExA with KEY_ALL_ACCESS: creates missing keys along the path.
    virtual std::unique_ptr<IRegistryKey> Create(RegistryRoot root, const std::string& path) = 0;
    // True when LocalMachine32 is another view than LocalMachine: on 64-bit
    // Windows, where a program of either kind reaches both views by their
    // flags (a 32-bit one would otherwise see only the 32-bit view). 32-bit
    // Windows has no other view.
    virtual bool HasSeparate32BitView() const = 0;
};
