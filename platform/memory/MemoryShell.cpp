#include "platform/memory/MemoryShell.h"

#include "platform/WinValues.h"
#include "platform/memory/MemoryFileSystem.h"

namespace {
constexpr intptr_t LaunchedResult = 33;
}

// As the shell finds what it is given: an address opens in the browser; a
// bare program name is searched in the Windows directory, ".exe" added when
// it has no extension.
bool MemoryShell::Finds(const std::string& file) {
    if (file.rfind("http://", 0) == 0 || file.rfind("https://", 0) == 0) return true;
    if (file.find_first_of("\\/:") != std::string::npos) return m_files.Exists(file);
    const std::string inWindows = m_files.WindowsDirectory() + "\\" + file;
    return m_files.Exists(inWindows) || (file.find('.') == std::string::npos && m_files.Exists(inWindows + ".exe"));
}

MemoryShell::MemoryShell(Faults& faults, MemoryFileSystem& files) : m_faults(faults), m_files(files) {}

intptr_t MemoryShell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory, int showCommand) {
    launches.push_back({verb, file, parameters, directory, showCommand, false});
    if (m_faults.Hit(Fault::Execute, file) || !Finds(file)) return failure;
    return LaunchedResult;
}

bool MemoryShell::ExecuteEx(const std::string& verb, const std::string& file, const std::string& parameters,
                            const std::string& directory, int showCommand) {
    launches.push_back({verb, file, parameters, directory, showCommand, true});
    return !m_faults.Hit(Fault::Execute, file) && Finds(file);
}
