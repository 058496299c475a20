#include "platform/memory/MemoryWorld.h"

namespace {

std::string DirectoryPart(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(0, slash);
}

}  // namespace

MemoryWorld::MemoryWorld(const std::string& modulePath, const std::string& windowsDirectory)
    : files(faults, modulePath, windowsDirectory),
      registry(faults),
      links(faults, files),
      shell(faults, files) {
    files.AddDirectory(DirectoryPart(modulePath));
    files.AddDirectory(windowsDirectory);
    // The programs the configuration hands its work to.
    for (const char* program : {"explorer.exe", "regedit.exe", "rundll32.exe"})
        files.AddFile(windowsDirectory + "\\" + program, "MZ");
}

Platform MemoryWorld::platform() {
    return Platform{files, registry, links, shell, clock, keyboard, screen, messages, processors, session, desktop, power, network,
                    processes};
}
