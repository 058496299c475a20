#include "common/ManagerInfo.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <unordered_map>

#include "common/TextHelpers.h"
#include "common/WholeFile.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"

namespace {

std::string Field(const std::string& text) { return Trim(RemoveChar(text, '"')); }

// Source, extras and wait from the text that follows the name field: the
// source up to the next comma (empty when there is none), the wait after the
// last one, and each field between them.
void ReadFields(const std::string& rest, ManagerLine& fields) {
    const std::string afterFirst = rest.substr(rest.find(',') + 1);
    const std::string::size_type second = afterFirst.find(',');
    fields.source = second == std::string::npos ? "" : Field(afterFirst.substr(0, second));
    const std::string::size_type last = rest.rfind(',');
    fields.wait = Field(rest.substr(last + 1));
    fields.extras.clear();
    if (second == std::string::npos) return;
    const std::string::size_type middleStart = rest.find(',') + 1 + second + 1;
    if (middleStart > last) return;
    const std::string middle = rest.substr(middleStart, last - middleStart);
    for (std::string::size_type from = 0;;) {
        const std::string::size_type comma = middle.find(',', from);
        fields.extras.push_back(Field(middle.substr(from, comma - from)));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
}

// A quoted name that holds a comma ('"A, B", "Run", "5"'): the name is the
// whole text between the first two quotes, which a file title cannot hold.
// Lines whose name has no comma are read by the plain rule.
bool QuotedNameWithComma(const std::string& line, std::string& name, std::string& rest) {
    const std::string::size_type open = line.find_first_not_of(" \t");
    if (open == std::string::npos || line[open] != '"') return false;
    const std::string::size_type close = line.find('"', open + 1);
    if (close == std::string::npos) return false;
    name = line.substr(open + 1, close - open - 1);
    if (name.find(',') == std::string::npos) return false;
    rest = line.substr(close + 1);
    return true;
}

}  // namespace

bool CManagerInfoParser::ReadManagerLine(const std::string& line, ManagerLine& fields) const {
    std::string lineName, rest;
    if (QuotedNameWithComma(line, lineName, rest)) {
        lineName = Trim(lineName);
    } else {
        const std::string::size_type comma = line.find(',');
        if (comma == std::string::npos || comma == 0) return false;
        lineName = Field(line.substr(0, comma));
        rest = line.substr(comma);
    }
    if (rest.find(',') == std::string::npos) return false;
    fields.name = lineName;
    ReadFields(rest, fields);
    return true;
}

bool CManagerInfoParser::ParseManagerLine(const std::string& line, const std::string& name, std::string& source,
                                          std::string& wait) const {
    ManagerLine fields;
    if (!ReadManagerLine(line, fields) || fields.name != name) return false;
    source = fields.source;
    wait = fields.wait;
    return true;
}

std::string FormatManagerLine(const ManagerLine& row) {
    std::string line = "\"" + row.name + "\", \"" + row.source + "\", \"";
    for (const std::string& extra : row.extras) line += extra + "\", \"";
    return line + row.wait + "\"";
}

const char IdleField[] = "idle";
const char OffField[] = "off";
const char LowField[] = "low";

namespace {
constexpr char FilePrefix[] = "FILE:";
bool IsFileField(const std::string& extra) { return UpperCopy(extra.substr(0, 5)) == FilePrefix; }
}  // namespace

std::string FileField(const ManagerLine& line) {
    for (const std::string& extra : line.extras)
        if (IsFileField(extra)) return extra.substr(5);
    return std::string();
}

void SetFileField(ManagerLine& line, const std::string& fileName) {
    auto& extras = line.extras;
    extras.erase(std::remove_if(extras.begin(), extras.end(), IsFileField), extras.end());
    if (!fileName.empty()) extras.insert(extras.begin(), "file:" + fileName);
}

bool HasExtraField(const std::vector<std::string>& extras, const std::string& field) {
    const std::string wanted = UpperCopy(field);
    return std::any_of(extras.begin(), extras.end(), [&](const std::string& extra) { return UpperCopy(extra) == wanted; });
}

bool HasExtraField(const ManagerLine& line, const std::string& field) {
    return HasExtraField(line.extras, field);
}

void SetExtraField(std::vector<std::string>& extras, const std::string& field, bool on) {
    const std::string wanted = UpperCopy(field);
    extras.erase(std::remove_if(extras.begin(), extras.end(),
                                [&](const std::string& extra) { return UpperCopy(extra) == wanted; }),
                 extras.end());
    if (on) extras.push_back(field);
}

bool ReadManagerLines(IFileSystem& files, const std::string& path, const std::string& mode,
                      std::vector<std::string>& lines) {
    const std::unique_ptr<ITextFile> file = files.OpenText(path, mode);
    if (!file) return false;
    for (std::string line; file->ReadLine(line);) lines.push_back(line);
    file->Close();
    return true;
}

ItemNames NamesOf(const std::vector<FileEntry>& entries) {
    ItemNames names;
    for (const FileEntry& entry : entries) {
        names.titles.push_back(entry.Title());
        names.files.push_back(entry.name);
    }
    return names;
}

std::vector<PairedItem> PairItemsWithLines(const std::vector<std::string>& itemNames,
                                           const std::vector<std::string>& lines,
                                           const std::vector<std::string>& fileNames) {
    // Each line is parsed once, however many items there are.
    const CManagerInfoParser parser;
    std::vector<ManagerLine> parsed(lines.size());
    std::vector<bool> read(lines.size(), false);
    for (std::size_t line = 0; line < lines.size(); ++line) read[line] = parser.ReadManagerLine(lines[line], parsed[line]);

    std::vector<PairedItem> items(itemNames.size());
    for (std::size_t item = 0; item < itemNames.size(); ++item) items[item].fields.name = itemNames[item];
    const auto pair = [&](std::size_t item, std::size_t line) {
        items[item].fields = parsed[line];
        items[item].line = static_cast<int>(line);
        read[line] = false;
    };

    // A line that names a file belongs to that file's item alone.
    if (fileNames.size() == itemNames.size()) {
        std::unordered_map<std::string, std::size_t> itemByFile;
        for (std::size_t item = 0; item < fileNames.size(); ++item) itemByFile.emplace(UpperCopy(fileNames[item]), item);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            const std::string file = read[line] ? FileField(parsed[line]) : std::string();
            const auto found = file.empty() ? itemByFile.end() : itemByFile.find(UpperCopy(file));
            if (found == itemByFile.end() || items[found->second].line >= 0) continue;
            if (itemNames[found->second] == parsed[line].name) pair(found->second, line);
        }
    }

    // The others by name, in turn: each name's lines are chained in file order,
    // and the name keeps the first one not yet given.
    std::unordered_map<std::string, std::size_t> firstOfName;
    std::vector<std::size_t> nextOfLine(lines.size(), lines.size());
    for (std::size_t line = lines.size(); line-- > 0;) {
        if (!read[line]) continue;
        const auto added = firstOfName.emplace(parsed[line].name, line);
        if (!added.second) nextOfLine[line] = std::exchange(added.first->second, line);
    }
    for (std::size_t item = 0; item < itemNames.size(); ++item) {
        if (items[item].line >= 0) continue;
        const auto found = firstOfName.find(itemNames[item]);
        if (found == firstOfName.end() || found->second == lines.size()) continue;
        const std::size_t line = found->second;
        found->second = nextOfLine[line];
        pair(item, line);
    }
    return items;
}

std::vector<std::size_t> ManagerOrder(const std::vector<PairedItem>& items) {
    // A line pairs with one item only: the paired items go in their lines'
    // order, then the others in theirs.
    std::vector<std::size_t> byLine;
    for (std::size_t item = 0; item < items.size(); ++item) {
        const int line = items[item].line;
        if (line < 0) continue;
        if (byLine.size() <= static_cast<std::size_t>(line)) byLine.resize(line + 1, items.size());
        byLine[line] = item;
    }
    std::vector<std::size_t> order;
    for (const std::size_t item : byLine)
        if (item < items.size()) order.push_back(item);
    for (std::size_t item = 0; item < items.size(); ++item)
        if (items[item].line < 0) order.push_back(item);
    return order;
}

bool ReadManagerInfoFor(IFileSystem& files, IMessageBoxes& messages, const std::string& path,
                        const std::vector<std::string>& itemNames, std::vector<PairedItem>& items,
                        const std::vector<std::string>& fileNames, InfoOpen open) {
    std::vector<std::string> lines;
    const bool read = open == InfoOpen::Append ? ReadManagerLines(files, path, "a+", lines)
                                               : ReadLines(files, path, lines) != LinesRead::Unreadable;
    if (!read) messages.Show("Error opening " + path + "\nManager information could not be read.", win::MbIconExclamation);
    items = PairItemsWithLines(itemNames, lines, fileNames);
    return read;
}

bool WriteManagerInfo(IFileSystem& files, IMessageBoxes& messages, const std::string& path,
                      const std::vector<ManagerLine>& rows) {
    std::vector<std::string> lines;
    for (const ManagerLine& row : rows) lines.push_back(FormatManagerLine(row));
    // A read-only file could not be opened for writing in place either.
    FileEntry existing;
    const WholeFile result = files.Lookup(path, existing) && existing.IsReadOnly() ? WholeFile::NotOpened
                                                                                    : WriteWholeFile(files, path, lines);
    if (result == WholeFile::Written) return true;
    messages.Show((result == WholeFile::NotOpened ? "Error opening " : "Error writing ") + path +
                      "\nManager information could not be saved.",
                  win::MbIconExclamation);
    return false;
}

bool ReadWaitTimes(IFileSystem& files, const std::string& iniPath, const std::vector<std::string>& itemNames,
                   std::vector<PairedItem>& items, const std::vector<std::string>& fileNames) {
    std::vector<std::string> lines;
    const bool read = ReadManagerLines(files, iniPath, "r", lines);
    items = PairItemsWithLines(itemNames, lines, fileNames);
    return read;
}
