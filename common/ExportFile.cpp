#include "common/ExportFile.h"

#include <algorithm>

#include "common/Csv.h"
#include "common/PathHelpers.h"
#include "common/PlaceEntries.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "platform/FileSystem.h"

namespace {

constexpr char kHeader[] = "Orvane configuration";
constexpr char kVersion[] = "1";
constexpr char kShortcut[] = "shortcut";
constexpr char kNotCarried[] = "file (not carried)";
constexpr std::size_t kItemFields = 11;
// What a shortcut's fields hold (MAX_PATH less its NUL), and room for a
// whole line of them.
constexpr std::size_t kFieldLimit = 259;
constexpr std::size_t kLineLimit = 4096;

std::string JoinOptions(const std::vector<std::string>& extras) {
    std::string joined;
    for (std::size_t i = 0; i < extras.size(); ++i) joined += (i > 0 ? "," : "") + extras[i];
    return joined;
}

// Control characters would break a line of Orvane.ini, or of this file.
bool HasControl(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

// A name that, made a path in the manager folder, stays a file there.
bool PlainFileName(const std::string& name) {
    if (name.empty() || name.size() > kFieldLimit - 20 || HasControl(name)) return false;
    if (name.find_first_of("\\/:*?\"<>|") != std::string::npos) return false;
    // Windows drops trailing dots and blanks: "a.lnk." would be another file.
    if (name.back() == '.' || name.back() == ' ' || name.find_first_not_of(". ") == std::string::npos) return false;
    return !NamesDevice(name) && !TitleOf(name).empty();
}

// What may stand inside one quoted field of Orvane.ini.
bool IniText(const std::string& text) {
    return text.size() <= kFieldLimit && !HasControl(text) && text.find('"') == std::string::npos;
}

std::string LineText(std::size_t line) { return "Line " + IntToString(static_cast<int>(line + 1)); }

}  // namespace

const std::vector<SettingRange>& ExportedSettings() {
    static const std::vector<SettingRange> ranges = {
        {settings::kPlacement, 0, 2, settings::kDefaultPlacement},
        {settings::kMinimized, 0, 1, settings::kDefaultMinimized},
        {settings::kCloseWhenFinished, 0, 1, settings::kDefaultCloseWhenFinished},
        {settings::kIdleRanges[0].name, settings::kIdleRanges[0].lowest, settings::kIdleRanges[0].highest, settings::kIdleRanges[0].defaultValue},
        {settings::kIdleRanges[1].name, settings::kIdleRanges[1].lowest, settings::kIdleRanges[1].highest, settings::kIdleRanges[1].defaultValue},
        {settings::kIdleRanges[2].name, settings::kIdleRanges[2].lowest, settings::kIdleRanges[2].highest, settings::kIdleRanges[2].defaultValue},
    };
    return ranges;
}

std::vector<std::string> FormatExport(const ConfigExport& config) {
    std::vector<std::string> lines{CsvLine({kHeader, kVersion})};
    for (const ExportedSetting& setting : config.settings)
        lines.push_back(CsvLine({"setting", setting.name, IntToString(setting.value)}));
    for (const ExportedItem& item : config.items) {
        const ShortcutFields& link = item.link;
        std::vector<std::string> fields{"item", item.fileName, item.fields.source, item.fields.wait,
                                        JoinOptions(item.fields.extras)};
        if (item.shortcut) {
            for (const std::string& field : {std::string(kShortcut), link.target, link.arguments, link.workingDirectory,
                                             IntToString(link.show), link.description})
                fields.push_back(field);
        } else {
            fields.push_back(kNotCarried);
            fields.resize(kItemFields);
        }
        lines.push_back(CsvLine(fields));
    }
    lines.push_back(CsvLine({"end", IntToString(static_cast<int>(config.items.size()))}));
    return lines;
}

namespace {

// The reason a line cannot be taken in, or empty.
std::string ReadSetting(const std::vector<std::string>& fields, ConfigExport& config) {
    if (fields.size() != 3) return fields.size() < 3 ? "has too few fields." : "has too many fields.";
    for (const SettingRange& range : ExportedSettings()) {
        if (fields[1] != range.name) continue;
        const int value = AtoiLike(fields[2]);
        if (!IsAllDigits(fields[2]) || fields[2].size() > 4 || value < range.lowest || value > range.highest)
            return "gives " + fields[1] + " a value it cannot have.";
        for (const ExportedSetting& setting : config.settings)
            if (fields[1] == setting.name) return "gives " + fields[1] + " a second time.";
        config.settings.push_back({range.name, value});
        return std::string();
    }
    return "names no setting of Orvane.";
}

std::string ReadItem(const std::vector<std::string>& fields, ConfigExport& config) {
    if (fields.size() != kItemFields) return fields.size() < kItemFields ? "has too few fields." : "has too many fields.";
    ExportedItem item;
    item.fileName = fields[1];
    if (!PlainFileName(item.fileName)) return "\"" + item.fileName + "\" is not a file name the manager can hold.";
    item.fields.name = TitleOf(item.fileName);
    item.fields.source = fields[2];
    item.fields.wait = fields[3];
    if (!IniText(item.fields.source) || item.fields.source.find(',') != std::string::npos)
        return "holds a source Orvane.ini cannot keep.";
    if (!item.fields.wait.empty() && (!IsAllDigits(item.fields.wait) || item.fields.wait.size() > 9))
        return "holds a wait that is not a number of seconds.";
    if (!IniText(fields[4])) return "holds options Orvane.ini cannot keep.";
    for (std::size_t from = 0; from < fields[4].size();) {
        const std::size_t comma = std::min(fields[4].find(',', from), fields[4].size());
        const std::string option = Trim(fields[4].substr(from, comma - from));
        if (!option.empty()) item.fields.extras.push_back(option);
        from = comma + 1;
    }
    if (fields[5] == kShortcut) {
        if (!IsShortcutFile(item.fileName)) return "names a shortcut whose file does not end in .lnk.";
        for (std::size_t i = 6; i < kItemFields; ++i)
            if (fields[i].size() > kFieldLimit || HasControl(fields[i])) return "holds a text no shortcut can hold.";
        if (fields[6].empty()) return "names a shortcut without a target.";
        if (!IsAllDigits(fields[9]) || fields[9].size() > 2) return "holds a show state that is not a number.";
        item.link = ShortcutFields{fields[6], fields[7], fields[8], fields[10], AtoiLike(fields[9])};
    } else if (fields[5] == kNotCarried) {
        item.shortcut = false;
        for (std::size_t i = 6; i < kItemFields; ++i)
            if (!fields[i].empty()) return "holds shortcut fields for a file that was not carried.";
    } else {
        return "names no kind of item Orvane knows.";
    }
    config.items.push_back(item);
    return std::string();
}

}  // namespace

bool ReadExport(const std::vector<std::string>& given, ConfigExport& config, std::string& error) {
    config = ConfigExport();
    std::vector<std::string> fields;
    bool ended = false;
    for (std::size_t at = 0; at < given.size(); ++at) {
        std::string line = given[at];
        if (at == 0 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (line.size() > kLineLimit) {
            error = LineText(at) + " is too long.";
            return false;
        }
        if (!ReadCsvLine(line, fields)) {
            error = at == 0 ? std::string("This is not an Orvane configuration export.") : LineText(at) + ": a quote is not closed.";
            return false;
        }
        std::string reason;
        if (at == 0) {
            if (fields.size() != 2 || fields[0] != kHeader) {
                error = "This is not an Orvane configuration export.";
                return false;
            }
            if (fields[1] != kVersion) {
                error = "This export is of format " + fields[1] + ", which this version of Orvane does not read.";
                return false;
            }
            continue;
        }
        if (ended) {
            reason = "follows the end.";
        } else if (fields[0] == "setting") {
            reason = ReadSetting(fields, config);
        } else if (fields[0] == "item") {
            reason = ReadItem(fields, config);
        } else if (fields[0] == "end") {
            ended = true;
            if (fields.size() != 2 || fields[1] != IntToString(static_cast<int>(config.items.size())))
                reason = "does not count the items before it.";
        } else {
            reason = "is not a line of an export.";
        }
        if (!reason.empty()) {
            error = LineText(at) + " " + reason;
            return false;
        }
    }
    if (given.empty()) error = "This is not an Orvane configuration export.";
    else if (!ended) error = "The file ends too early: it was cut short.";
    return ended;
}
