#include "platform/win32/Win32Devices.h"

#include <windows.h>

namespace {

uint64_t FromFileTime(const FILETIME& t) {
    return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

Rect FromRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

SystemTime FromSystemTime(const SYSTEMTIME& t) {
    return SystemTime{t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

}  // namespace

SystemTime Win32Clock::Now() {
    SYSTEMTIME t;
    GetSystemTime(&t);
    return FromSystemTime(t);
}

SystemTime Win32Clock::LocalNow() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return FromSystemTime(t);
}

void Win32Clock::Sleep(int milliseconds) {
    ::Sleep(static_cast<DWORD>(milliseconds));
}


short Win32Keyboard::KeyState(int virtualKey) {
    return GetKeyState(virtualKey);
}

std::vector<short> Win32Keyboard::KeyStates(const std::vector<int>& virtualKeys) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    std::vector<short> states;
    // As GetKeyState gives them: the held bit sign-extended, the toggle bit.
    for (int key : virtualKeys) states.push_back(static_cast<signed char>(keys[key & 0xFF] & 0x81));
    return states;
}

Rect Win32Screen::Desktop() {
    RECT r = {};
    GetWindowRect(GetDesktopWindow(), &r);
    return FromRect(r);
}

bool Win32Screen::WorkArea(Rect& area) {
    RECT r = {area.left, area.top, area.right, area.bottom};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return false;
    area = FromRect(r);
    return true;
}

bool Win32ProcessorTimes::Read(ProcessorTimes& times) {
    if (!m_looked) {
        m_looked = true;
        if (HMODULE kernel = GetModuleHandleA("kernel32.dll"))
            m_get = reinterpret_cast<GetSystemTimesFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "GetSystemTimes")));
    }
    FILETIME idle{}, kernel{}, user{};
    if (!m_get || !m_get(&idle, &kernel, &user)) return false;
    times = ProcessorTimes{FromFileTime(idle), FromFileTime(kernel), FromFileTime(user)};
    return true;
}

// The mutex stays open until the process ends, and the system closes it
// then: the claim lasts exactly as long as the program.
bool Win32Session::ClaimOnce(const std::string& name) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, ("Local\\" + name).c_str());
    if (mutex == nullptr) return true;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return true;
    CloseHandle(mutex);
    return false;
}
