#pragma once
// An item to start minimised is launched with SW_SHOWMINNOACTIVE; many
// programs ignore that and open full size over the desktop. The watch then
// minimises, for a while after the launch, each window of the item's
// processes that shows open, once: a window the user opens again stays
// open, and a program that shows no window is left alone.
#include <cstdint>
#include <vector>

#include "platform/Platform.h"

// Launches the file minimised. A shortcut to a program file launches that
// program itself, with the shortcut's arguments and working folder, for the
// process the shell gives no handle of (for a shortcut under some systems);
// a shortcut to anything else (a document, an address, an installer's
// feature) is left to the shell.
LaunchResult LaunchMinimised(Platform& platform, const std::string& path);

class MinimiseWatch {
public:
    static constexpr long WatchMilliseconds = 15000;
    static constexpr unsigned LookMilliseconds = 250;

    explicit MinimiseWatch(Platform& platform) : m_platform(platform) {}
    ~MinimiseWatch();
    MinimiseWatch(const MinimiseWatch&) = delete;
    MinimiseWatch& operator=(const MinimiseWatch&) = delete;

    // Watches the process from now on, and releases it when done (none: nothing).
    void Add(ProcessHandle process);
    // One look at the windows of every process watched.
    void Look();
    bool Watching() const { return !m_watched.empty(); }
    // Looks every LookMilliseconds until every watch is over: for a runner
    // that closed its window.
    void Finish();

private:
    struct Watched {
        ProcessHandle process = 0;
        std::vector<ProcessId> ids;
        int64_t until = 0;
        std::vector<WindowHandle> minimised;
    };
    Platform& m_platform;
    std::vector<Watched> m_watched;
};
