#include "common/SeenRecord.h"

#include <algorithm>

#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "common/WholeFile.h"
#include "platform/FileSystem.h"

namespace {

const char kSeen[] = "seen";
const char kNew[] = "new";

std::string Escaped(const std::string& name) {
    std::string text;
    for (char c : name) {
        if (c == '\\') text += "\\\\";
        else if (c == '\n') text += "\\n";
        else if (c == '\r') text += "\\r";
        else text += c;
    }
    return text;
}

std::string Unescaped(const std::string& text) {
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            name += text[i];
            continue;
        }
        const char next = text[++i];
        name += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return name;
}

// Source and name as one key; names are compared as Windows compares them.
std::string KeyOf(const std::string& source, const std::string& name) { return source + '\t' + UpperCopy(name); }

}  // namespace

std::string SeenRecordPath(const std::string& iniPath) { return BesidePath(iniPath, "Orvane.seen"); }

SeenFile ReadSeenRecord(IFileSystem& files, const std::string& path, std::vector<SeenEntry>& entries) {
    std::vector<std::string> lines;
    const SeenFile read = ReadLines(files, path, lines);
    if (read != SeenFile::Read) return read;
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\n') line.pop_back();
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) continue;
        const std::string mark = line.substr(first + 1, second - first - 1);
        if (mark != kSeen && mark != kNew) continue;
        entries.push_back(SeenEntry{line.substr(0, first), Unescaped(line.substr(second + 1)), mark == kNew});
    }
    return SeenFile::Read;
}

bool WriteSeenRecord(IFileSystem& files, const std::string& path, const std::vector<SeenEntry>& entries) {
    std::vector<std::string> lines;
    for (const SeenEntry& entry : entries)
        lines.push_back(entry.source + '\t' + (entry.isNew ? kNew : kSeen) + '\t' + Escaped(entry.name));
    return WriteWholeFile(files, path, lines) == WholeFile::Written;
}

void KeepOtherPlaces(const std::vector<SeenEntry>& before, const std::vector<std::string>& lookedAt,
                     std::vector<SeenEntry>& after) {
    for (const SeenEntry& entry : before)
        if (std::find(lookedAt.begin(), lookedAt.end(), entry.source) == lookedAt.end()) after.push_back(entry);
}

SeenIndex::SeenIndex(const std::vector<SeenEntry>& record, bool hadRecord) : m_hadRecord(hadRecord) {
    for (const SeenEntry& entry : record) m_isNew[KeyOf(entry.source, entry.name)] = entry.isNew;
}

bool SeenIndex::IsNew(const std::string& source, const std::string& name) const {
    if (!m_hadRecord) return false;
    const auto found = m_isNew.find(KeyOf(source, name));
    return found == m_isNew.end() || found->second != 0;
}

bool SeenIndex::Holds(const std::string& source, const std::string& name) const {
    return m_isNew.count(KeyOf(source, name)) != 0;
}
