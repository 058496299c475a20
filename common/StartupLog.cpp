#include "common/StartupLog.h"

#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "common/WholeFile.h"
#include "platform/FileSystem.h"

namespace {

const char kRunMark[] = "Start-up ";
const char kIdleMark[] = "Idle: ";

// Days from 1 January 1601 to the date, in the proleptic Gregorian calendar.
int64_t DaysOf(int year, int month, int day) {
    year -= month <= 2;
    const int64_t era = year / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 584694;  // 1601-01-01 is day 584694 from 0000-03-01
}

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

// An optional minus and at most so many digits: 9 for any time a run can
// take, 18 for any count of bytes.
template <typename Number>
bool ReadNumberField(const std::string& text, Number& number, std::size_t most = 9) {
    const std::string field = Trim(text);
    const bool negative = !field.empty() && field[0] == '-';
    const std::string digits = field.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > most || !IsAllDigits(digits)) return false;
    number = 0;
    for (char digit : digits) number = number * 10 + (digit - '0');
    if (negative) number = -number;
    return true;
}

std::string TwoDigits(int number) {
    return (number < 10 ? "0" : "") + IntToString(number);
}

}  // namespace

std::string StartupLogPath(const std::string& iniPath) { return BesidePath(iniPath, "Orvane.log"); }

std::string StartedText(const SystemTime& t) {
    return IntToString(t.year) + "-" + TwoDigits(t.month) + "-" + TwoDigits(t.day) + " " + TwoDigits(t.hour) + ":" +
           TwoDigits(t.minute) + ":" + TwoDigits(t.second) + " UTC";
}

int64_t MillisecondsOf(const SystemTime& t) {
    const int64_t days = DaysOf(t.year, t.month, t.day);
    return ((days * 24 + t.hour) * 60 + t.minute) * 60000 + int64_t{t.second} * 1000 + t.milliseconds;
}

std::string FormatLaunch(const LoggedLaunch& l) {
    std::string line = "\"" + l.name + "\", " + NumberField(l.launchedAt) + ", " + l.waited + ", " + l.result + ", " +
                       NumberField(l.waitFrom) + ", " + NumberField(l.idleFrom);
    if (l.impact.empty()) return line;
    return line + ", " + NumberField(l.cpuMs) + ", " + CountText(l.bytes) + ", " + l.impact + ", " + l.cpuFrom + ", " + l.diskFrom;
}

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
    // A measure whole, or none.
    if (fields.size() > 10 && ReadNumberField(fields[6], read.cpuMs) && ReadNumberField(fields[7], read.bytes, 18) &&
        !fields[8].empty()) {
        read.impact = fields[8];
        read.cpuFrom = fields[9];
        read.diskFrom = fields[10];
    } else {
        read.cpuMs = read.bytes = -1;
    }
    launch = read;
    return true;
}

namespace {

// False when the file is there but cannot be read.
bool ReadRuns(IFileSystem& files, const std::string& path, std::vector<LoggedRun>& runs) {
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

}  // namespace

std::string LastImpact(const std::vector<LoggedRun>& runs, const std::string& name) {
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        for (auto launch = run->launches.rbegin(); launch != run->launches.rend(); ++launch)
            if (launch->name == name && !launch->Failed() && !launch->Left()) return launch->impact;
    return "";
}

std::vector<LoggedRun> ReadStartupLog(IFileSystem& files, const std::string& path) {
    std::vector<LoggedRun> runs;
    ReadRuns(files, path, runs);
    return runs;
}

// The runs kept come from the file as read: one that cannot be read is not
// replaced by this run alone.
bool AppendStartupRun(IFileSystem& files, const std::string& path, const LoggedRun& run, bool again) {
    std::vector<LoggedRun> runs;
    if (!ReadRuns(files, path, runs)) return false;
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
