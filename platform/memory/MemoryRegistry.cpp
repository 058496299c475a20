#include "platform/memory/MemoryRegistry.h"

#include <algorithm>

#include "platform/memory/NoCase.h"

struct MemoryRegistry::Key {
    std::string name;
    std::vector<std::unique_ptr<Key>> subkeys;  // in creation order
    std::vector<RegistryValue> values;          // in creation order
    bool denyWrite = false;

    Key* Subkey(const std::string& subkeyName) const {
        for (const auto& subkey : subkeys)
            if (SameNoCase(subkey->name, subkeyName)) return subkey.get();
        return nullptr;
    }
    std::vector<RegistryValue>::iterator FindValue(const std::string& valueName) {
        return std::find_if(values.begin(), values.end(),
                            [&](const RegistryValue& v) { return SameNoCase(v.name, valueName); });
    }
};

namespace {

std::vector<std::string> SplitKeyPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + "\\") {
        if (c != '\\') {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    return parts;
}

// An open key. Without write access, setting and deleting are refused as
// RegSetValueExA and RegDeleteValueA refuse them; set-up by tests passes no
// faults.
class MemoryRegistryKey : public IRegistryKey {
public:
    MemoryRegistryKey(MemoryRegistry::Key& key, Faults* faults, bool writable)
        : m_key(key), m_faults(faults), m_writable(writable) {}

    bool Query(const std::string& name, RegistryValue& value) override {
        const auto found = m_key.FindValue(name);
        if (found == m_key.values.end()) return false;
        value = *found;
        return true;
    }

    RegistryEnum Enumerate(uint32_t index, RegistryValue& value) override {
        // A value that cannot be read (ERROR_MORE_DATA past any buffer, a
        // key deleted meanwhile) fails at its index.
        if (index < m_key.values.size() && m_faults && m_faults->Hit(Fault::RegistryEnumerate, m_key.values[index].name))
            return RegistryEnum::Failed;
        if (index >= m_key.values.size()) return RegistryEnum::NoMoreItems;
        value = m_key.values[index];
        return RegistryEnum::Value;
    }

    // A value set again keeps its place and the spelling of its name.
    bool Set(const std::string& name, uint32_t type, const std::string& data) override {
        if (!m_writable || (m_faults && m_faults->Hit(Fault::RegistrySet, name))) return false;
        const auto found = m_key.FindValue(name);
        if (found == m_key.values.end()) {
            m_key.values.push_back({name, type, data});
        } else {
            found->type = type;
            found->data = data;
        }
        return true;
    }

    bool DeleteValue(const std::string& name) override {
        if (!m_writable || (m_faults && m_faults->Hit(Fault::RegistryDelete, name))) return false;
        const auto found = m_key.FindValue(name);
        if (found == m_key.values.end()) return false;
        m_key.values.erase(found);
        return true;
    }

private:
    MemoryRegistry::Key& m_key;
    Faults* m_faults;
    const bool m_writable;
};

}  // namespace

MemoryRegistry::MemoryRegistry(Faults& faults)
    : m_faults(faults), m_currentUser(std::make_unique<Key>()), m_localMachine(std::make_unique<Key>()) {}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key* MemoryRegistry::RootOf(RegistryRoot root) const {
    return root == RegistryRoot::CurrentUser ? m_currentUser.get() : m_localMachine.get();
}

std::vector<std::string> MemoryRegistry::PartsOf(RegistryRoot root, const std::string& path) const {
    std::vector<std::string> parts = SplitKeyPath(path);
    if (root == RegistryRoot::LocalMachine32 && m_separate32BitView && !parts.empty() && SameNoCase(parts[0], "Software"))
        parts.insert(parts.begin() + 1, "Wow6432Node");
    return parts;
}

MemoryRegistry::Key* MemoryRegistry::Find(RegistryRoot root, const std::string& path) const {
    Key* key = RootOf(root);
    for (const std::string& part : PartsOf(root, path)) {
        key = key->Subkey(part);
        if (!key) return nullptr;
    }
    return key;
}

MemoryRegistry::Key* MemoryRegistry::MakeKey(RegistryRoot root, const std::string& path) {
    Key* key = RootOf(root);
    for (const std::string& part : PartsOf(root, path)) {
        Key* subkey = key->Subkey(part);
        if (!subkey) {
            key->subkeys.push_back(std::make_unique<Key>());
            subkey = key->subkeys.back().get();
            subkey->name = part;
        }
        key = subkey;
    }
    return key;
}

void MemoryRegistry::CreateKey(RegistryRoot root, const std::string& path) {
    MakeKey(root, path);
}

bool MemoryRegistry::KeyExists(RegistryRoot root, const std::string& path) const {
    return Find(root, path) != nullptr;
}

void MemoryRegistry::SetValue(RegistryRoot root, const std::string& path, const std::string& name, uint32_t type,
                              const std::string& data) {
    MemoryRegistryKey(*MakeKey(root, path), nullptr, true).Set(name, type, data);
}

void MemoryRegistry::SetString(RegistryRoot root, const std::string& path, const std::string& name,
                               const std::string& text) {
    MemoryRegistryKey(*MakeKey(root, path), nullptr, true).SetString(name, text);
}

void MemoryRegistry::SetDword(RegistryRoot root, const std::string& path, const std::string& name,
                              uint32_t number) {
    MemoryRegistryKey(*MakeKey(root, path), nullptr, true).SetDword(name, number);
}

bool MemoryRegistry::HasValue(RegistryRoot root, const std::string& path, const std::string& name) const {
    Key* key = Find(root, path);
    return key && key->FindValue(name) != key->values.end();
}

RegistryValue MemoryRegistry::Value(RegistryRoot root, const std::string& path, const std::string& name) const {
    RegistryValue value;
    if (Key* key = Find(root, path)) MemoryRegistryKey(*key, nullptr, false).Query(name, value);
    return value;
}

std::vector<RegistryValue> MemoryRegistry::Values(RegistryRoot root, const std::string& path) const {
    const Key* key = Find(root, path);
    return key ? key->values : std::vector<RegistryValue>();
}

void MemoryRegistry::DenyWrite(RegistryRoot root, const std::string& path) {
    MakeKey(root, path)->denyWrite = true;
}

std::unique_ptr<IRegistryKey> MemoryRegistry::Open(RegistryRoot root, const std::string& path,
                                                   RegistryAccess access) {
    if (m_faults.Hit(Fault::RegistryOpen, path)) return nullptr;
    Key* key = Find(root, path);
    const bool writable = access == RegistryAccess::All;
    if (!key || (writable && (key->denyWrite || Refuses(root)))) return nullptr;
    return std::make_unique<MemoryRegistryKey>(*key, &m_faults, writable);
}

// Full access is asked for, so a key that refuses writing is refused here too.
std::unique_ptr<IRegistryKey> MemoryRegistry::Create(RegistryRoot root, const std::string& path) {
    if (m_faults.Hit(Fault::RegistryCreate, path)) return nullptr;
    const Key* existing = Find(root, path);
    if ((existing && existing->denyWrite) || Refuses(root)) return nullptr;
    return std::make_unique<MemoryRegistryKey>(*MakeKey(root, path), &m_faults, true);
}
