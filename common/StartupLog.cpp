#include "common/StartupLog.h"

#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "common/WholeFile.h"
#include "platform/FileSystem.h"

namespace {

// An optional minus and at most so many digits: 9 for any time a run can
// take, 18 for any count of bytes.
bool ReadNumberField(const std::string& text, long long& number, std::size_t most = 9) {
    const std::string field = Trim(text);
    const bool negative = !field.empty() && field[0] == '-';
    const std::string digits = field.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > most || !IsAllDigits(digits)) return false;
    number = 0;
    for (char digit : digits) number = number * 10 + (digit - '0');
    if (negative) number = -number;
    return true;
}

}  // namespace

std::string StartupLogPath(const std::string& iniPath) { return BesidePath(iniPath, "Orvane.log"); }

// The name lies between the first two quotes (a file title holds none); the
// fields after it are split at commas.
bool ParseLaunch(const std::string& line, LoggedLaunch& launch) {
    if (line.empty() || line[0] != '"') return false;
    const std::string::size_type close = line.find('"', 1);
    if (close == std::string::npos) return false;
    std::vector<std::string> fields;
    std::string rest = line.substr(close + 1);
    for (std::string::size_type from = 0;;) {
        const std::string::size_type comma = rest.find(',', from);
        fields.push_back(Trim(rest.substr(from, comma == std::string::npos ? std::string::npos : comma - from)));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    // The empty text before the first comma, then at least time, wait, result.
    if (fields.size() < 4 || !fields[0].empty()) return false;
    LoggedLaunch read;
    read.name = line.substr(1, close - 1);
    long long number = 0;
    if (!ReadNumberField(fields[1], number)) return false;
    read.launchedAt = static_cast<long>(number);
    read.waited = fields[2];
    read.result = fields[3];
    if (read.waited.empty() || read.result.empty()) return false;
    // A field that is no number reads as none.
    const auto optional = [&fields](std::size_t at, std::size_t most) {
        long long value = -1;
        if (fields.size() > at) ReadNumberField(fields[at], value, most);
        return value;
    };
    read.waitFrom = static_cast<long>(optional(4, 9));
    read.idleFrom = static_cast<long>(optional(5, 9));
    read.netFrom = static_cast<long>(optional(6, 9));
    if (read.netFrom >= 0 && fields.size() > 7) read.network = fields[7];
    else read.netFrom = -1;
    // A measure whole, or none.
    if (fields.size() > 12 && !fields[10].empty()) {
        read.cpuMs = static_cast<long>(optional(8, 9));
        read.bytes = optional(9, 18);
        read.impact = fields[10];
        read.cpuFrom = fields[11];
        read.diskFrom = fields[12];
    }
    launch = read;
    return true;
}

bool ReadStartupRuns(IFileSystem& files, const std::string& path, std::vector<LoggedRun>& runs) {
    std::vector<std::string> lines;
    const LinesRead read = ReadLines(files, path, lines);
    if (read != LinesRead::Read) return read == LinesRead::Missing;
    for (const std::string& raw : lines) {
        const std::string line = TrimEnd(raw);
        LoggedLaunch launch;
        if (line.compare(0, sizeof kRunMark - 1, kRunMark) == 0) {
            runs.push_back(LoggedRun{line.substr(sizeof kRunMark - 1), {}, {}});
        } else if (!runs.empty() && line.compare(0, sizeof kIdleMark - 1, kIdleMark) == 0) {
            runs.back().idle = line.substr(sizeof kIdleMark - 1);
        } else if (!runs.empty() && ParseLaunch(line, launch)) {
            runs.back().launches.push_back(launch);
        }
    }
    return true;
}

std::string LastImpact(const std::vector<LoggedRun>& runs, const std::string& name) {
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        for (auto launch = run->launches.rbegin(); launch != run->launches.rend(); ++launch)
            if (launch->name == name && !launch->Failed() && !launch->Left()) return launch->impact;
    return "";
}

std::vector<LoggedRun> ReadStartupLog(IFileSystem& files, const std::string& path) {
    std::vector<LoggedRun> runs;
    ReadStartupRuns(files, path, runs);
    return runs;
}

