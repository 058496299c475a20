#include "runner/MinimiseWatch.h"

#include <algorithm>

#include "common/ComScope.h"
#include "common/PathHelpers.h"
#include "common/StartupLog.h"
#include "common/TextHelpers.h"
#include "platform/WinValues.h"

namespace {

bool IsProgramFile(const std::string& path) {
    const std::string extension = UpperCopy(ExtensionOf(FileNameOf(path)));
    return extension == "EXE" || extension == "COM";
}

bool ProgramOfShortcut(Platform& platform, const std::string& path, ShortcutFields& link) {
    if (UpperCopy(ExtensionOf(FileNameOf(path))) != "LNK") return false;
    const ComScope com(platform.links);
    FileEntry target;
    return com.Started() && platform.links.Load(path, link) && !link.advertised && IsProgramFile(link.target) &&
           platform.files.Lookup(link.target, target) && !target.IsDirectory();
}

}  // namespace

LaunchResult LaunchMinimised(Platform& platform, const std::string& path) {
    ShortcutFields link;
    if (!ProgramOfShortcut(platform, path, link))
        return platform.shell.Launch("", path, "", DirectoryOf(path), win::SwShowMinNoActive);
    const std::string folder = link.workingDirectory.empty() ? DirectoryOf(link.target) : link.workingDirectory;
    return platform.shell.Launch("", link.target, link.arguments, folder, win::SwShowMinNoActive);
}

MinimiseWatch::~MinimiseWatch() {
    for (const Watched& watched : m_watched) m_platform.shell.Release(watched.process);
}

void MinimiseWatch::Add(ProcessHandle process) {
    if (process == 0) return;
    Watched watched;
    watched.process = process;
    const ProcessId id = m_platform.windows.IdOf(process);
    if (id != 0) watched.ids.push_back(id);
    watched.until = MillisecondsOf(m_platform.clock.Now()) + WatchMilliseconds;
    m_watched.push_back(watched);
    // Its first window may be up already.
    Look();
}

void MinimiseWatch::Look() {
    const int64_t now = MillisecondsOf(m_platform.clock.Now());
    for (std::size_t i = 0; i < m_watched.size();) {
        Watched& watched = m_watched[i];
        if (watched.ids.empty() || now >= watched.until || m_platform.windows.Ended(watched.process)) {
            m_platform.shell.Release(watched.process);
            m_watched.erase(m_watched.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        for (WindowHandle window : m_platform.windows.Showing(watched.ids)) {
            if (std::find(watched.minimised.begin(), watched.minimised.end(), window) != watched.minimised.end()) continue;
            m_platform.windows.Minimise(window);
            watched.minimised.push_back(window);
        }
        ++i;
    }
}

void MinimiseWatch::Finish() {
    for (Look(); Watching(); Look()) m_platform.clock.Sleep(static_cast<int>(LookMilliseconds));
}
