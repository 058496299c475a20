// Stands in for a start-up item: appends "NAME<TAB>TIME" to a log, TIME in
// milliseconds of the system clock (UTC, from 1601), and ends.
//   wine_runner_probe.exe NAME LOGFILE
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) return 2;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    FILE* log = std::fopen(__argv[2], "a");
    if (!log) return 1;
    std::fprintf(log, "%s\t%llu\n", __argv[1], ticks / 10000);
    return std::fclose(log) == 0 ? 0 : 1;
}
