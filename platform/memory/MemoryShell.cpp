#include "platform/memory/MemoryShell.h"

#include "platform/WinValues.h"
#include "platform/memory/MemoryFileSystem.h"

namespace {
constexpr intptr_t LaunchedResult = 33;
}

MemoryShell::MemoryShell(Faults& faults, MemoryFileSystem& files) : m_faults(faults), m_files(files) {}

intptr_t MemoryShell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory, int showCommand) {
    launches.push_back({verb, file, parameters, directory, showCommand, false});
    if (m_faults.Hit(Fault::Execute, file) || !m_files.Exists(file)) return win::SeErrFileNotFound;
    return LaunchedResult;
}

bool MemoryShell::ExecuteEx(const std::string& verb, const std::string& file, const std::string& parameters,
                            const std::string& directory, int showCommand) {
    launches.push_back({verb, file, parameters, directory, showCommand, true});
    return !m_faults.Hit(Fault::Execute, file) && m_files.Exists(file);
}
