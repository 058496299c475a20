#include "platform/memory/MemoryShell.h"

#include <algorithm>
#include <cstdlib>

#include "platform/WinValues.h"
#include "platform/memory/MemoryFileSystem.h"

namespace {
constexpr intptr_t LaunchedResult = 33;

// An address the browser opens: no file, and no process of its own.
bool IsAddress(const std::string& file) {
    return file.rfind("http://", 0) == 0 || file.rfind("https://", 0) == 0;
}
}  // namespace

// As the shell finds what it is given: an address opens in the browser; a
// bare program name is searched in the Windows directory, ".exe" added when
// it has no extension.
bool MemoryShell::Finds(const std::string& file) {
    if (IsAddress(file)) return true;
    if (file.find_first_of("\\/:") != std::string::npos) return m_files.Exists(file);
    const std::string inWindows = m_files.WindowsDirectory() + "\\" + file;
    return m_files.Exists(inWindows) || (file.find('.') == std::string::npos && m_files.Exists(inWindows + ".exe"));
}

MemoryShell::MemoryShell(Faults& faults, MemoryFileSystem& files) : m_faults(faults), m_files(files) {}

intptr_t MemoryShell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory, int showCommand) {
    launches.push_back(::Launch{verb, file, parameters, directory, showCommand, false});
    if (m_faults.Hit(Fault::Execute, file) || !Finds(file)) return failure;
    return LaunchedResult;
}

LaunchResult MemoryShell::Launch(const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int showCommand) {
    LaunchResult launched{Execute(verb, file, parameters, directory, showCommand), 0};
    if (launched.result > win::ShellExecuteFailureLimit && !IsAddress(file) && !processless) {
        launched.process = ++m_lastProcess;
        open.push_back(launched.process);
    }
    launches.back().process = launched.process;
    return launched;
}

void MemoryShell::Release(ProcessHandle process) {
    if (process == 0) return;
    const auto found = std::find(open.begin(), open.end(), process);
    if (found == open.end()) abort();  // released twice, or never given: a handle the system would not know
    open.erase(found);
}

bool MemoryShell::ExecuteEx(const std::string& verb, const std::string& file, const std::string& parameters,
                            const std::string& directory, int showCommand) {
    launches.push_back(::Launch{verb, file, parameters, directory, showCommand, true});
    return !m_faults.Hit(Fault::Execute, file) && Finds(file);
}

// The words of an English Windows for the errors a launch meets.
std::string MemoryShell::FailureText(intptr_t result) {
    switch (ErrorOfShellResult(result)) {
    case 2: return "The system cannot find the file specified.";
    case 3: return "The system cannot find the path specified.";
    case 5: return "Access is denied.";
    case 8: return "Not enough memory resources are available to process this command.";
    case 11: return "An attempt was made to load a program with an incorrect format.";
    case 32: return "The process cannot access the file because it is being used by another process.";
    case 1155: return "No application is associated with the specified file for this operation.";
    case 1156: return "An error occurred in sending the command to the application.";
    case 1157: return "One of the library files needed to run this application cannot be found.";
    default: return "";
    }
}
