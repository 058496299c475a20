// Stands in for a start-up item: appends "NAME<TAB>TIME" to a log, TIME in
// milliseconds of the system clock (UTC, from 1601), and ends.
//   wine_runner_probe.exe NAME LOGFILE [BUSY]
// With BUSY, it first keeps one processor busy for that many milliseconds,
// then logs "NAME.end" as well: a heavy program starting up; and
// "NAME.cpu<TAB>MS", the processor time it has used by its own count. With
// the environment's ORVANE_PROBE_CPU_NAME it is busy until it has used that
// many milliseconds of processor time instead. With
// the environment's ORVANE_PROBE_STAY_NAME it then stays that many
// milliseconds, as a program that keeps running does.
// Without arguments NAME is the probe's own file title, LOGFILE the
// environment's ORVANE_PROBE_LOG and BUSY its ORVANE_PROBE_BUSY_NAME, so that
// renamed copies log themselves.
//   wine_runner_probe.exe /timer
// Instead shows a bare window with the runner's 1 ms timer and nothing else
// to do, until it is closed: what such a timer costs by itself.
//   wine_runner_probe.exe /window NAME LOGFILE
// Instead logs NAME, opens a normal window whatever show command it was
// given, logs "NAME.shown" once it is up and "NAME.minimised" when something minimises
// it, and ends after 17 s.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string OwnTitle() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of('\\') + 1);
    return name.substr(0, name.rfind('.'));
}

int BareTimerWindow() {
    HWND window = CreateWindowExA(0, "STATIC", "Bare timer window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    if (!window || !SetTimer(window, 1, 1, nullptr)) return 1;
    MSG message;
    while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

unsigned long long Now();
bool Append(const char* logPath, const std::string& name, unsigned long long time);

// As the programs that ignore nShowCmd do: created at a place of its own
// (so the system takes no show command for it) and shown normal.
int NormalWindow(const std::string& name, const char* logPath) {
    Append(logPath, name, Now());
    HWND window = CreateWindowExA(0, "STATIC", ("Probe " + name).c_str(), WS_OVERLAPPEDWINDOW, 40, 40, 300, 150,
                                  nullptr, nullptr, nullptr, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    if (!IsIconic(window)) Append(logPath, name + ".shown", Now());
    const unsigned long long end = Now() + 17000;
    bool minimised = false;
    SetTimer(window, 1, 20, nullptr);
    MSG message;
    while (Now() < end && IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
        if (!minimised && IsIconic(window)) {
            minimised = true;
            Append(logPath, name + ".minimised", Now());
        }
    }
    return 0;
}

unsigned long long Now() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

// Milliseconds of processor time this process has used.
unsigned long long OwnCpu() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    return ((static_cast<unsigned long long>(kernel.dwHighDateTime) << 32 | kernel.dwLowDateTime) +
            (static_cast<unsigned long long>(user.dwHighDateTime) << 32 | user.dwLowDateTime)) /
           10000;
}

bool Append(const char* logPath, const std::string& name, unsigned long long time) {
    FILE* log = std::fopen(logPath, "a");
    if (!log) return false;
    std::fprintf(log, "%s\t%llu\n", name.c_str(), time);
    return std::fclose(log) == 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc == 2 && std::string(__argv[1]) == "/timer") return BareTimerWindow();
    if (__argc == 4 && std::string(__argv[1]) == "/window") return NormalWindow(__argv[2], __argv[3]);
    const unsigned long long started = Now();
    const char* envLog = std::getenv("ORVANE_PROBE_LOG");
    const std::string name = __argc >= 3 ? __argv[1] : OwnTitle();
    const char* logPath = __argc >= 3 ? __argv[2] : envLog;
    if (!logPath) return 2;
    if (!Append(logPath, name, started)) return 1;
    const char* busy = __argc >= 4 ? __argv[3] : __argc < 3 ? std::getenv(("ORVANE_PROBE_BUSY_" + name).c_str()) : nullptr;
    // Or busy until it has used that much processor time, however loaded the machine.
    const char* cpuBusy = std::getenv(("ORVANE_PROBE_CPU_" + name).c_str());
    if (!busy && !cpuBusy) return 0;
    const unsigned long long until = started + std::strtoull(busy ? busy : "0", nullptr, 10);
    const unsigned long long cpuUntil = std::strtoull(cpuBusy ? cpuBusy : "0", nullptr, 10);
    volatile unsigned long long spin = 0;
    while (Now() < until || OwnCpu() < cpuUntil)
        for (int i = 0; i < 100000; ++i) spin = spin + 1;
    if (!Append(logPath, name + ".end", Now()) || !Append(logPath, name + ".cpu", OwnCpu())) return 1;
    if (const char* stay = std::getenv(("ORVANE_PROBE_STAY_" + name).c_str())) Sleep(std::strtoul(stay, nullptr, 10));
    return 0;
}
