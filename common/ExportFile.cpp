#include "common/ExportFile.h"

#include "common/Csv.h"
#include "common/PathHelpers.h"
#include "common/PlaceEntries.h"
#include "common/TextHelpers.h"
#include "platform/FileSystem.h"

namespace {

constexpr char kHeader[] = "Orvane configuration";
constexpr char kShortcut[] = "shortcut";
constexpr char kNotCarried[] = "file (not carried)";
constexpr std::size_t kItemFields = 11;
// What a shortcut's fields hold (MAX_PATH less its NUL), and room for a
// whole line of them.
constexpr std::size_t kFieldLimit = 259;
constexpr std::size_t kLineLimit = 4096;

// Nothing that would break a line of Orvane.ini or of this file; no quote
// where Orvane.ini holds it.
bool Holdable(const std::string& text, bool ini) {
    if (text.size() > kFieldLimit || (ini && text.find('"') != std::string::npos)) return false;
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

// A name that, made a path in the manager folder, stays a file there.
// Windows drops trailing dots and blanks: "a.lnk." would be another file.
bool PlainFileName(const std::string& name) {
    return Holdable(name, true) && name.size() < 240 && name.find_first_of("\\/:*?<>|") == std::string::npos &&
           name.find_first_not_of(". ") != std::string::npos && name.back() != '.' && name.back() != ' ' &&
           !NamesDevice(name) && !TitleOf(name).empty();
}

// Why the line cannot be taken in, or null.
const char* ReadSetting(const std::vector<std::string>& fields, ConfigExport& config) {
    if (fields.size() != 3) return fields.size() < 3 ? "has too few fields." : "has too many fields.";
    for (int i = 0; i < kExportedSettingCount; ++i) {
        const settings::IdleRange& range = kExportedSettings[i];
        if (fields[1] != range.name) continue;
        const int value = AtoiLike(fields[2]);
        if (!IsAllDigits(fields[2]) || fields[2].size() > 4 || value < range.lowest || value > range.highest)
            return "gives a setting a value it cannot have.";
        config.settings[i] = value;
        return nullptr;
    }
    return "names no setting of Orvane.";
}

const char* ReadItem(const std::vector<std::string>& fields, ConfigExport& config) {
    if (fields.size() != kItemFields) return fields.size() < kItemFields ? "has too few fields." : "has too many fields.";
    config.items.emplace_back();
    ExportedItem& item = config.items.back();
    item.fileName = fields[1];
    ManagerLine& line = item.fields;
    line.name = TitleOf(item.fileName);
    line.source = fields[2];
    line.wait = fields[3];
    if (!PlainFileName(item.fileName)) return "holds a file name the manager cannot hold.";
    if (!Holdable(line.source, true) || line.source.find(',') != std::string::npos || !Holdable(fields[4], true))
        return "holds a field Orvane.ini cannot keep.";
    if (!line.wait.empty() && (!IsAllDigits(line.wait) || line.wait.size() > 9))
        return "holds a wait that is not a number of seconds.";
    for (std::size_t from = 0; from < fields[4].size();) {
        const std::size_t comma = std::min(fields[4].find(',', from), fields[4].size());
        const std::string option = Trim(fields[4].substr(from, comma - from));
        if (!option.empty()) line.extras.push_back(option);
        from = comma + 1;
    }
    item.shortcut = fields[5] == kShortcut;
    for (std::size_t i = 6; i < kItemFields; ++i)
        if (!Holdable(fields[i], false) || (!item.shortcut && !fields[i].empty())) return "holds a text no shortcut can hold.";
    if (item.shortcut) {
        if (!IsShortcutFile(item.fileName) || fields[6].empty() || !IsAllDigits(fields[9]) || fields[9].size() > 2)
            return "holds a shortcut that is not whole.";
        item.link = ShortcutFields{fields[6], fields[7], fields[8], fields[10]};
        item.link.show = AtoiLike(fields[9]);
    } else if (fields[5] != kNotCarried) {
        return "names no kind of item Orvane knows.";
    }
    return nullptr;
}

}  // namespace

std::vector<std::string> FormatExport(const ConfigExport& config) {
    std::vector<std::string> lines(1, kHeader);
    lines.back() += ",1";
    for (int i = 0; i < kExportedSettingCount; ++i)
        lines.push_back(std::string("setting,") + kExportedSettings[i].name + "," + IntToString(config.settings[i]));
    for (const ExportedItem& item : config.items) {
        const ManagerLine& fields = item.fields;
        const ShortcutFields& link = item.link;
        std::string options, line = "item";
        for (const std::string& extra : fields.extras) options += (options.empty() ? "" : ",") + extra;
        const std::string kind = item.shortcut ? kShortcut : kNotCarried;
        const std::string show = item.shortcut ? IntToString(link.show) : std::string();
        for (const std::string* field : std::initializer_list<const std::string*>{&item.fileName, &fields.source, &fields.wait, &options, &kind, &link.target,
                                         &link.arguments, &link.workingDirectory, &show, &link.description})
            AddCsvField(line, *field);
        lines.push_back(line);
    }
    lines.push_back("end," + IntToString(static_cast<int>(config.items.size())));
    return lines;
}

bool ReadExport(const std::vector<std::string>& given, ConfigExport& config, std::string& error) {
    for (int i = 0; i < kExportedSettingCount; ++i) config.settings[i] = kExportedSettings[i].defaultValue;
    config.items.clear();
    std::vector<std::string> fields;
    const char* reason = "is not a line of an export.";
    std::size_t at = 0;
    for (; at < given.size(); ++at) {
        std::string line = given[at];
        if (at == 0 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (line.size() > kLineLimit) {
            reason = "is too long.";
            break;
        }
        if (!ReadCsvLine(line, fields)) {
            reason = "has a quote that is not closed.";
            break;
        }
        if (at == 0) {
            if (fields.size() != 2 || fields[0] != kHeader) break;
            if (fields[1] == "1") continue;
            error = "This export is of format " + fields[1] + ", which this version of Orvane does not read.";
            return false;
        }
        reason = fields[0] == "setting" ? ReadSetting(fields, config)
               : fields[0] == "item"    ? ReadItem(fields, config)
               : fields[0] != "end"     ? "is not a line of an export."
               : fields.size() == 2 && fields[1] == IntToString(static_cast<int>(config.items.size())) && at + 1 == given.size()
                   ? nullptr
                   : "does not end the export where it should.";
        if (reason != nullptr) break;
        if (fields[0] == "end") return true;
    }
    error = at == 0 ? "This is not an Orvane configuration export."
          : at == given.size() ? "The file ends too early: it was cut short."
                               : "Line " + IntToString(static_cast<int>(at + 1)) + " " + reason;
    return false;
}
