// Orvane.log's reader: whatever the file holds, each launch read formats
// back to a line that reads the same, and a run appended is the last one
// read, with no more than the runs kept.
#include "common/StartupLog.h"
#include "platform/memory/MemoryWorld.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = "C:\\ORVANE\\Orvane.log";
    MemoryWorld world("C:\\ORVANE\\Orvane.exe");
    world.files.AddFile(path, fuzz::Text(data, size));
    const std::vector<LoggedRun> runs = ReadStartupLog(world.files, path);
    for (const LoggedRun& run : runs)
        for (const LoggedLaunch& launch : run.launches) {
            LoggedLaunch again;
            FUZZ_CHECK(ParseLaunch(FormatLaunch(launch), again));
            FUZZ_CHECK(FormatLaunch(again) == FormatLaunch(launch));
        }

    LoggedRun added;
    added.started = "2026-12-07 08:14:03 UTC";
    LoggedLaunch launch;
    launch.name = "Mail";
    launch.launchedAt = 1234;
    added.launches.push_back(launch);
    FUZZ_CHECK(AppendStartupRun(world.files, path, added));
    const std::vector<LoggedRun> after = ReadStartupLog(world.files, path);
    FUZZ_CHECK(!after.empty() && after.size() <= kLoggedRuns);
    FUZZ_CHECK(after.size() == std::min(runs.size() + 1, kLoggedRuns));
    FUZZ_CHECK(after.back().started == added.started && after.back().launches.size() == 1);
    FUZZ_CHECK(FormatLaunch(after.back().launches[0]) == FormatLaunch(launch));
    return 0;
}
