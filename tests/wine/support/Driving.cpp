#include "tests/wine/support/Driving.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

ProgramProcess::~ProgramProcess() {
    if (!m_process.hProcess) return;
    if (Running()) TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}

void ProgramProcess::Kill() {
    if (!m_process.hProcess || !Running()) return;
    TerminateProcess(m_process.hProcess, 1);
    WaitForSingleObject(m_process.hProcess, 10000);
}

bool ProgramProcess::Start(const std::string& program, const std::string& directory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + program + "\"";
    return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup,
                          &m_process) != FALSE;
}

bool ProgramProcess::WaitForExit(DWORD milliseconds) {
    return WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
}

bool ProgramProcess::Running() const {
    return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

struct Search {
    DWORD pid;
    const std::function<bool(HWND)>& test;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search.pid && IsWindowVisible(hwnd) && search.test(hwnd)) search.found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> ProgramProcess::Windows(const std::function<bool(HWND)>& test) const {
    Search search{m_process.dwProcessId, test, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<ProbeLaunch> ReadProbeLog(const std::string& path) {
    std::vector<ProbeLaunch> launches;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        ProbeLaunch launch;
        std::getline(fields, launch.name, '\t');
        fields >> launch.time;
        launches.push_back(launch);
    }
    return launches;
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string FreshFolder(const std::string& stem) {
    static int made = 0;
    std::string folder;
    do {
        folder = Env("ORVANE_WORK") + "\\" + stem + " " + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++made) + "\\";
    } while (!CreateDirectoryA(folder.c_str(), nullptr));
    return folder;
}

std::string ClassName(HWND hwnd) {
    char name[256] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string WindowText(HWND hwnd) {
    char text[4096] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string MessageText(HWND box) {
    std::string text = WindowText(GetDlgItem(box, 0xFFFF));
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

bool WaitUntil(const std::function<bool()>& test, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!test()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(10);
    }
    return true;
}

unsigned long long NowMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

COLORREF ColourShown(HWND window, int x, int y, COLORREF awaited) {
    RECT r{};
    GetWindowRect(window, &r);
    COLORREF colour = CLR_INVALID;
    WaitUntil(
        [&] {
            HDC screen = GetDC(nullptr);
            colour = GetPixel(screen, r.left + x, r.top + y);
            ReleaseDC(nullptr, screen);
            return colour == awaited;
        },
        3000);
    return colour;
}
