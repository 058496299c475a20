#pragma once
// Other programs' windows as a test scripts them. A process is known by the
// handle the memory shell gave it, which serves as its id too.
#include <vector>

#include "platform/DesktopWindows.h"

struct MemoryWindow {
    WindowHandle handle = 0;
    ProcessId process = 0;
    bool shown = true, minimised = false, owned = false;
};

class MemoryDesktop : public IDesktopWindows {
public:
    ProcessId IdOf(ProcessHandle process) override { return static_cast<ProcessId>(process); }
    bool Ended(ProcessHandle process) override;
    std::vector<WindowHandle> Showing(const std::vector<ProcessId>& processes) override;
    void Minimise(WindowHandle window) override;

    // The process opens a window, shown and not minimised.
    WindowHandle Open(ProcessId process, bool owned = false);
    MemoryWindow* Find(WindowHandle window);

    std::vector<MemoryWindow> windows;
    std::vector<ProcessHandle> ended;
    int looks = 0;  // calls of Showing
    std::vector<WindowHandle> minimised;  // by Minimise, in order

private:
    WindowHandle m_last = 0x5000;
};
