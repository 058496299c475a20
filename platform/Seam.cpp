#include <vector>

#include "platform/FileSystem.h"
#include "platform/ProcessorTimes.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/WinValues.h"

unsigned ErrorOfShellResult(intptr_t result) {
    switch (result) {
    case 0: return 8;                // out of memory or resources: ERROR_NOT_ENOUGH_MEMORY
    case 26: return 32;              // SE_ERR_SHARE: ERROR_SHARING_VIOLATION
    case 27: case 31: return 1155;   // SE_ERR_ASSOCINCOMPLETE, SE_ERR_NOASSOC: ERROR_NO_ASSOCIATION
    case 28: case 29: case 30: return 1156;  // the DDE ones: ERROR_DDE_FAIL
    case 32: return 1157;            // SE_ERR_DLLNOTFOUND: ERROR_DLL_NOT_FOUND
    default: return static_cast<unsigned>(result);
    }
}

std::string FileEntry::Title() const {
    const std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool NamesDevice(const std::string& fileName) {
    std::string base = fileName.substr(0, fileName.find('.'));
    base.erase(base.find_last_not_of(' ') + 1);
    for (char& c : base)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

std::vector<FileEntry> IFileSystem::Find(const std::string& pattern) {
    std::vector<FileEntry> found;
    Search(pattern, found);
    return found;
}

bool IFileSystem::Lookup(const std::string& path, FileEntry& entry) {
    const std::vector<FileEntry> found = Find(path);
    if (found.empty()) return false;
    entry = found.front();
    // As the path names it, whatever the case the folder keeps.
    entry.name = path.substr(path.find_last_of("\\/:") + 1);
    entry.path = path;
    return true;
}

std::string RegistryValue::Text() const {
    return data.substr(0, data.find('\0'));
}

bool IRegistryKey::SetString(const std::string& name, const std::string& text) {
    return Set(name, win::RegSz, std::string(text.c_str(), text.size() + 1));
}

bool IRegistryKey::SetDword(const std::string& name, uint32_t number) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return Set(name, win::RegDword, bytes);
}

int BusyPercent(const ProcessorTimes& before, const ProcessorTimes& after) {
    // Differences of unsigned totals: a counter that went back reads as no time.
    const uint64_t idle = after.idle >= before.idle ? after.idle - before.idle : 0;
    const uint64_t kernel = after.kernel >= before.kernel ? after.kernel - before.kernel : 0;
    const uint64_t user = after.user >= before.user ? after.user - before.user : 0;
    const uint64_t total = kernel + user;
    if (total == 0) return -1;
    const uint64_t busy = total > idle ? total - idle : 0;
    return static_cast<int>((busy * 100 + total / 2) / total);
}
