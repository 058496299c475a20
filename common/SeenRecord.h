#pragma once
// Orvane.seen, beside Orvane.ini: what Orvane last saw in each place Windows
// starts programs from, so that an entry that appears later is named. One
// line an entry: its place's Source text, a tab, "seen" or "new", a tab, and
// its name (a file's or a value's), with \ written \\ and line ends \n, \r.
// An entry is "new" from the runner's start that first found it until a
// save of the configuration, where the user has seen it in the lists.
#include <string>
#include <unordered_map>
#include <vector>

#include "common/WholeFile.h"

class IFileSystem;

struct SeenEntry {
    std::string source;  // the place's Source text
    std::string name;
    bool isNew = false;

    bool operator==(const SeenEntry& other) const {
        return source == other.source && name == other.name && isNew == other.isNew;
    }
};

using SeenFile = LinesRead;

// Orvane.seen in the folder of the manager information file.
std::string SeenRecordPath(const std::string& iniPath);
SeenFile ReadSeenRecord(IFileSystem& files, const std::string& path, std::vector<SeenEntry>& entries);
bool WriteSeenRecord(IFileSystem& files, const std::string& path, const std::vector<SeenEntry>& entries);

// Appends to after what the record had for the places other than those
// looked at: a place not found this time (a folder the shell no longer
// names, a view this Windows lacks) keeps its entries, so that they are not
// named as new when it is back.
void KeepOtherPlaces(const std::vector<SeenEntry>& before, const std::vector<std::string>& lookedAt,
                     std::vector<SeenEntry>& after);

// The record looked up by place and name.
class SeenIndex {
public:
    SeenIndex() = default;
    SeenIndex(const std::vector<SeenEntry>& record, bool hadRecord);
    // Marked new, or not in the record at all: it appeared after the record
    // was written. Without a record nothing is new.
    bool IsNew(const std::string& source, const std::string& name) const;
    bool Holds(const std::string& source, const std::string& name) const;

private:
    std::unordered_map<std::string, std::size_t> m_isNew;  // 1: new
    bool m_hadRecord = false;
};
