#include "platform/win32/Win32Desktop.h"

#include <windows.h>

#include <algorithm>

namespace {

struct WindowSearch {
    const std::vector<ProcessId>* processes;
    std::vector<WindowHandle> found;
};

BOOL CALLBACK CollectShowing(HWND window, LPARAM param) {
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const std::vector<ProcessId>& wanted = *search.processes;
    if (std::find(wanted.begin(), wanted.end(), process) != wanted.end() && IsWindowVisible(window) &&
        !IsIconic(window) && GetWindow(window, GW_OWNER) == nullptr)
        search.found.push_back(reinterpret_cast<WindowHandle>(window));
    return TRUE;
}

}  // namespace

// GetProcessId came with XP SP1: looked up, so that the program still starts
// on the systems before it.
ProcessId Win32DesktopWindows::IdOf(ProcessHandle process) {
    using GetProcessIdFn = DWORD(WINAPI*)(HANDLE);
    static const auto get = reinterpret_cast<GetProcessIdFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetProcessId")));
    return get && process ? get(reinterpret_cast<HANDLE>(process)) : 0;
}

bool Win32DesktopWindows::Ended(ProcessHandle process) {
    return WaitForSingleObject(reinterpret_cast<HANDLE>(process), 0) == WAIT_OBJECT_0;
}

std::vector<WindowHandle> Win32DesktopWindows::Showing(const std::vector<ProcessId>& processes) {
    WindowSearch search{&processes, {}};
    EnumWindows(CollectShowing, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// ShowWindowAsync: a program still starting may not answer for a while, and
// the runner's own window must not wait for it.
void Win32DesktopWindows::Minimise(WindowHandle window) {
    ShowWindowAsync(reinterpret_cast<HWND>(window), SW_SHOWMINNOACTIVE);
}

int Win32PowerStatus::AcLine() {
    SYSTEM_POWER_STATUS status;
    return GetSystemPowerStatus(&status) ? status.ACLineStatus : 255;
}
