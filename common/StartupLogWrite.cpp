// The runner's half of Orvane.log: the configuration only reads it.
#include "common/StartupLog.h"

#include "common/TextHelpers.h"
#include "common/WholeFile.h"

namespace {

std::string NumberField(long number) { return LongToString(number); }

// A long is 32 bits under Windows; a count of bytes may need more.
std::string CountText(long long number) {
    if (number < 0) return "-1";
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + number % 10));
        number /= 10;
    } while (number > 0);
    return digits;
}

std::string TwoDigits(int number) {
    return (number < 10 ? "0" : "") + IntToString(number);
}

}  // namespace

std::string StartedText(const SystemTime& t) {
    return IntToString(t.year) + "-" + TwoDigits(t.month) + "-" + TwoDigits(t.day) + " " + TwoDigits(t.hour) + ":" +
           TwoDigits(t.minute) + ":" + TwoDigits(t.second) + " UTC";
}

std::string FormatLaunch(const LoggedLaunch& l) {
    std::string line = "\"" + l.name + "\", " + NumberField(l.launchedAt) + ", " + l.waited + ", " + l.result + ", " +
                       NumberField(l.waitFrom) + ", " + NumberField(l.idleFrom);
    if (l.netFrom < 0 && l.impact.empty()) return line;
    // A measure follows the network wait's two fields, "-1, none" without one.
    line += ", " + NumberField(l.netFrom) + ", " + (l.netFrom < 0 ? std::string("none") : l.network);
    if (l.impact.empty()) return line;
    for (const std::string& field : {NumberField(l.cpuMs), CountText(l.bytes), l.impact, l.cpuFrom, l.diskFrom})
        line += ", " + field;
    return line;
}

// The runs kept come from the file as read: one that cannot be read is not
// replaced by this run alone.
bool AppendStartupRun(IFileSystem& files, const std::string& path, const LoggedRun& run, bool again) {
    std::vector<LoggedRun> runs;
    if (!ReadStartupRuns(files, path, runs)) return false;
    if (again && !runs.empty() && runs.back().started == run.started) runs.pop_back();
    if (runs.size() >= kLoggedRuns) runs.erase(runs.begin(), runs.end() - (kLoggedRuns - 1));
    runs.push_back(run);
    std::vector<std::string> lines;
    for (const LoggedRun& each : runs) {
        lines.push_back(kRunMark + each.started);
        if (!each.idle.empty()) lines.push_back(kIdleMark + each.idle);
        for (const LoggedLaunch& launch : each.launches) lines.push_back(FormatLaunch(launch));
    }
    return WriteWholeFile(files, path, lines) == WholeFile::Written;
}
