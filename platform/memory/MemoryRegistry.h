#pragma once
// The registry in memory: keys and values keep their creation order and types.
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/memory/Faults.h"

class MemoryRegistry : public IRegistry {
public:
    explicit MemoryRegistry(Faults& faults);
    ~MemoryRegistry() override;

    // Set-up and inspection for tests.
    void CreateKey(RegistryRoot root, const std::string& path);
    bool KeyExists(RegistryRoot root, const std::string& path) const;
    void SetValue(RegistryRoot root, const std::string& path, const std::string& name, uint32_t type,
                  const std::string& data);  // creates the key
    void SetString(RegistryRoot root, const std::string& path, const std::string& name, const std::string& text);
    void SetDword(RegistryRoot root, const std::string& path, const std::string& name, uint32_t number);
    bool HasValue(RegistryRoot root, const std::string& path, const std::string& name) const;
    RegistryValue Value(RegistryRoot root, const std::string& path, const std::string& name) const;
    std::vector<RegistryValue> Values(RegistryRoot root, const std::string& path) const;
    // Opening this key with full access is refused (read access still works).
    void DenyWrite(RegistryRoot root, const std::string& path);
    // A standard user's registry: every key of the machine's, in both views,
    // reads but refuses full access and creation, as Windows does.
    bool machineReadOnly = false;

    // IRegistry
    std::unique_ptr<IRegistryKey> Open(RegistryRoot root, const std::string& path, RegistryAccess access) override;
    std::unique_ptr<IRegistryKey> Create(RegistryRoot root, const std::string& path) override;
    bool Exists(RegistryRoot root, const std::string& path) override { return KeyExists(root, path); }
    bool HasSeparate32BitView() const override { return m_separate32BitView; }

    // Models 64-bit Windows seen by a 64-bit program: LocalMachine32 keys
    // under Software lie in Software\Wow6432Node of the machine's keys.
    // Without it, LocalMachine32 is the machine's own.
    void SetSeparate32BitView(bool separate) { m_separate32BitView = separate; }

    struct Key;

private:
    Key* Find(RegistryRoot root, const std::string& path) const;
    bool Refuses(RegistryRoot root) const { return machineReadOnly && root != RegistryRoot::CurrentUser; }
    Key* MakeKey(RegistryRoot root, const std::string& path);
    Key* RootOf(RegistryRoot root) const;
    std::vector<std::string> PartsOf(RegistryRoot root, const std::string& path) const;

    Faults& m_faults;
    std::unique_ptr<Key> m_currentUser;
    std::unique_ptr<Key> m_localMachine;
    bool m_separate32BitView = false;
};
