#include "platform/memory/MemoryDesktop.h"

#include <algorithm>

bool MemoryDesktop::Ended(ProcessHandle process) {
    return std::find(ended.begin(), ended.end(), process) != ended.end();
}

std::vector<WindowHandle> MemoryDesktop::Showing(const std::vector<ProcessId>& processes) {
    ++looks;
    std::vector<WindowHandle> showing;
    for (const MemoryWindow& window : windows)
        if (window.shown && !window.minimised && !window.owned &&
            std::find(processes.begin(), processes.end(), window.process) != processes.end())
            showing.push_back(window.handle);
    return showing;
}

void MemoryDesktop::Minimise(WindowHandle window) {
    minimised.push_back(window);
    if (MemoryWindow* found = Find(window)) found->minimised = true;
}

WindowHandle MemoryDesktop::Open(ProcessId process, bool owned) {
    MemoryWindow window;
    window.handle = ++m_last;
    window.process = process;
    window.owned = owned;
    windows.push_back(window);
    return window.handle;
}

MemoryWindow* MemoryDesktop::Find(WindowHandle window) {
    for (MemoryWindow& each : windows)
        if (each.handle == window) return &each;
    return nullptr;
}
