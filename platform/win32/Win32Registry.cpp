#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <vector>

namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// A 32-bit program on 64-bit Windows (WOW64): its plain view of the
// machine's keys is the 32-bit one, which Windows itself reads only for
// 32-bit entries (Run32 of StartupApproved lies in the 64-bit view).
bool UnderWow64() {
    static const bool wow64 = [] {
        BOOL under = FALSE;
        return sizeof(void*) == 4 && IsWow64Process(GetCurrentProcess(), &under) && under;
    }();
    return wow64;
}

// Every program on 64-bit Windows sees both views, each by its flag; older
// systems refuse flags they do not know, and 32-bit Windows has one view.
REGSAM ViewOf(RegistryRoot root) {
    if (root == RegistryRoot::CurrentUser || (sizeof(void*) == 4 && !UnderWow64())) return 0;
    return root == RegistryRoot::LocalMachine32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

const BYTE* Bytes(const std::string& data) {
    return reinterpret_cast<const BYTE*>(data.data());
}

class Win32RegistryKey : public IRegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : m_key(key) {}
    ~Win32RegistryKey() override { RegCloseKey(m_key); }
    Win32RegistryKey(const Win32RegistryKey&) = delete;
    Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

    // The size is asked first; a value that grows meanwhile is asked again.
    bool Query(const std::string& name, RegistryValue& value) override {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(m_key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
        std::vector<BYTE> data;
        LONG status = ERROR_MORE_DATA;
        while (status == ERROR_MORE_DATA) {
            data.resize(size + 1);
            size = static_cast<DWORD>(data.size());
            status = RegQueryValueExA(m_key, name.c_str(), nullptr, &type, data.data(), &size);
            if (status == ERROR_MORE_DATA && size < data.size() * 2) size = static_cast<DWORD>(data.size() * 2);
        }
        if (status != ERROR_SUCCESS) return false;
        value.name = name;
        value.type = type;
        value.data.assign(reinterpret_cast<const char*>(data.data()), size);
        return true;
    }

    // The key's longest name and data size give the buffers; a value written
    // between that question and the read makes them grow.
    RegistryEnum Enumerate(uint32_t index, RegistryValue& value) override {
        DWORD nameMax = 0, dataMax = 0;
        if (RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nameMax,
                             &dataMax, nullptr, nullptr) != ERROR_SUCCESS)
            return RegistryEnum::Failed;
        // Names are counted in characters; a character of the ANSI code page may take two bytes.
        std::vector<char> name(2 * (nameMax + 1));
        std::vector<BYTE> data(dataMax + 1);
        for (;;) {
            DWORD nameLength = static_cast<DWORD>(name.size());
            DWORD size = static_cast<DWORD>(data.size());
            DWORD type = 0;
            const LONG status =
                RegEnumValueA(m_key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
            if (status == ERROR_NO_MORE_ITEMS) return RegistryEnum::NoMoreItems;
            if (status == ERROR_MORE_DATA) {
                name.resize(name.size() * 2);
                data.resize(size > data.size() ? size : data.size() * 2);
                continue;
            }
            if (status != ERROR_SUCCESS) return RegistryEnum::Failed;
            value.name.assign(name.data(), nameLength);
            value.type = type;
            value.data.assign(reinterpret_cast<const char*>(data.data()), size);
            return RegistryEnum::Value;
        }
    }

    bool Set(const std::string& name, uint32_t type, const std::string& data) override {
        return RegSetValueExA(m_key, name.c_str(), 0, type, Bytes(data), static_cast<DWORD>(data.size())) ==
               ERROR_SUCCESS;
    }

    bool DeleteValue(const std::string& name) override {
        return RegDeleteValueA(m_key, name.c_str()) == ERROR_SUCCESS;
    }

private:
    const HKEY m_key;
};

}  // namespace

std::unique_ptr<IRegistryKey> Win32Registry::Open(RegistryRoot root, const std::string& path,
                                                  RegistryAccess access) {
    HKEY key = nullptr;
    const REGSAM rights = (access == RegistryAccess::All ? KEY_ALL_ACCESS : KEY_READ) | ViewOf(root);
    if (RegOpenKeyExA(RootKey(root), path.c_str(), 0, rights, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(key);
}

bool Win32Registry::Exists(RegistryRoot root, const std::string& path) {
    HKEY key = nullptr;
    const LONG result = RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ | ViewOf(root), &key);
    if (result == ERROR_SUCCESS) RegCloseKey(key);
    return result != ERROR_FILE_NOT_FOUND;
}

std::unique_ptr<IRegistryKey> Win32Registry::Create(RegistryRoot root, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS | ViewOf(root), nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32RegistryKey>(key);
}

bool Win32Registry::HasSeparate32BitView() const {
    return sizeof(void*) == 8 || UnderWow64();
}
