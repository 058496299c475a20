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

#include "common/PlaceEntries.h"

class IFileSystem;

struct SeenEntry {
    std::string source;  // the place's Source text
    std::string name;
    bool isNew = false;
};

enum class SeenFile { Missing, Read, Unreadable };

// Orvane.seen in the folder of the manager information file.
std::string SeenRecordPath(const std::string& iniPath);
SeenFile ReadSeenRecord(IFileSystem& files, const std::string& path, std::vector<SeenEntry>& entries);
bool WriteSeenRecord(IFileSystem& files, const std::string& path, const std::vector<SeenEntry>& entries);

// The record of what the places hold now. An entry the record had keeps its
// mark, or loses it when seen is set (a save of the configuration); one it
// did not have is new, and listed in appeared, unless there was no record
// yet: then everything there is counts as seen. A place that could not be
// read keeps the entries the record had for it.
std::vector<SeenEntry> UpdateSeen(const std::vector<SeenEntry>& before, bool hadRecord,
                                  const std::vector<HeldPlace>& now, bool seen, std::vector<SeenEntry>* appeared);

// The record looked up by place and name.
class SeenIndex {
public:
    SeenIndex() = default;
    SeenIndex(const std::vector<SeenEntry>& record, bool hadRecord);
    // Marked new, or not in the record at all: it appeared after the record
    // was written. Without a record nothing is new.
    bool IsNew(const std::string& source, const std::string& name) const;

private:
    std::unordered_map<std::string, bool> m_isNew;
    bool m_hadRecord = false;
};
