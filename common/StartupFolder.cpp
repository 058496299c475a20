#include "common/StartupFolder.h"

#include "common/PathHelpers.h"
#include "common/TextHelpers.h"

#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Profiles give each user a Startup folder of his own; only systems without
// them still use the one under the Windows directory.
std::string ShellStartupFolder(IRegistry& registry, IFileSystem& files, RegistryRoot root, const char* valueName) {
    const std::unique_ptr<IRegistryKey> key = registry.Open(root, kShellFolders, RegistryAccess::Read);
    RegistryValue value;
    if (!key || !key->Query(valueName, value)) return std::string();
    if (value.type != win::RegSz) return std::string();
    std::string folder = value.Text();
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    FileEntry entry;
    if (folder.empty() || !files.Lookup(folder, entry) || !entry.IsDirectory()) return std::string();
    return PathIn(folder, "");
}

}  // namespace

std::string UserStartupFolder(IRegistry& registry, IFileSystem& files) {
    const std::string shell = ShellStartupFolder(registry, files, RegistryRoot::CurrentUser, "Startup");
    if (!shell.empty()) return shell;
    return PathIn(files.WindowsDirectory(), "Start Menu\\Programs\\Startup\\");
}

std::string CommonStartupFolder(IRegistry& registry, IFileSystem& files, const std::string& userFolder) {
    const std::string common = ShellStartupFolder(registry, files, RegistryRoot::LocalMachine, "Common Startup");
    // Without profiles the shell may name the one folder twice.
    return UpperCopy(common) == UpperCopy(userFolder) ? std::string() : common;
}
