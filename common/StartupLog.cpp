#include "common/StartupLog.h"

#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "common/WholeFile.h"
#include "platform/FileSystem.h"

namespace {

// An optional minus and at most 9 digits: any time a run can take.
bool ReadNumberField(const std::string& text, long& number) {
    const std::string field = Trim(text);
    const bool negative = !field.empty() && field[0] == '-';
    const std::string digits = field.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 9 || !IsAllDigits(digits)) return false;
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
    if (!ReadNumberField(fields[1], read.launchedAt)) return false;
    read.waited = fields[2];
    read.result = fields[3];
    if (read.waited.empty() || read.result.empty()) return false;
    if (fields.size() > 4 && !ReadNumberField(fields[4], read.waitFrom)) read.waitFrom = -1;
    if (fields.size() > 5 && !ReadNumberField(fields[5], read.idleFrom)) read.idleFrom = -1;
    if (fields.size() > 7 && ReadNumberField(fields[6], read.netFrom)) read.network = fields[7];
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
        if (line.compare(0, sizeof StartupRunMark - 1, StartupRunMark) == 0) {
            runs.push_back(LoggedRun{line.substr(sizeof StartupRunMark - 1), {}});
        } else if (!runs.empty() && ParseLaunch(line, launch)) {
            runs.back().launches.push_back(launch);
        }
    }
    return true;
}

std::vector<LoggedRun> ReadStartupLog(IFileSystem& files, const std::string& path) {
    std::vector<LoggedRun> runs;
    ReadStartupRuns(files, path, runs);
    return runs;
}
