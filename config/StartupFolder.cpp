#include "config/StartupFolder.h"

#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Profiles give each user a Startup folder of his own; only systems without
// them still use the one under the Windows directory.
std::string ShellStartupFolder(IRegistry& registry, IFileSystem& files) {
    const std::unique_ptr<IRegistryKey> key = registry.Open(RegistryRoot::CurrentUser, kShellFolders, RegistryAccess::Read);
    RegistryValue value;
    if (!key || !key->Query("Startup", value)) return std::string();
    if (value.type != win::RegSz) return std::string();
    std::string folder = value.Text();
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    FileEntry entry;
    if (folder.empty() || !files.Lookup(folder, entry) || !entry.IsDirectory()) return std::string();
    return folder + "\\";
}

}  // namespace

std::string UserStartupFolder(IRegistry& registry, IFileSystem& files) {
    const std::string shell = ShellStartupFolder(registry, files);
    if (!shell.empty()) return shell;
    std::string windows = files.WindowsDirectory();
    if (windows.empty() || windows.back() != '\\') windows += '\\';
    return windows + "Start Menu\\Programs\\Startup\\";
}
