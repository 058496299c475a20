// Pairing the manager information file with the items, over the memory file
// system: any file is read without harm, the two programs agree on an item
// the file names once, and what the configuration writes the runner reads
// back item by item, duplicate names included.
#include <map>

#include "common/ManagerInfo.h"
#include "platform/memory/MemoryWorld.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/StorableFields.h"

namespace {

const char kIni[] = "C:\\ORVANE\\Orvane.ini";

std::map<std::string, int> Counts(const std::vector<std::string>& names) {
    std::map<std::string, int> counts;
    for (const std::string& name : names) ++counts[name];
    return counts;
}

// Any bytes as the file, the rows' names as the items.
void ReadAnyFile(const std::string& bytes, const std::vector<std::string>& names) {
    MemoryWorld world;
    world.files.AddFile(kIni, bytes);
    std::vector<std::string> waits;
    FUZZ_CHECK(ReadWaitTimes(world.files, kIni, names, waits));
    FUZZ_CHECK(waits.size() == names.size());
    std::vector<ManagerLine> values;
    FUZZ_CHECK(ReadManagerInfoFor(world.files, world.messages, kIni, names, values));
    FUZZ_CHECK(values.size() == names.size());

    // The names the file gives, line by line; the text mode's CR LF and
    // Ctrl+Z are left out of this reading.
    if (bytes.find_first_of("\r\x1A") != std::string::npos) return;
    std::vector<std::string> named;
    const CManagerInfoParser parser;
    ManagerLine fields;
    std::string line;
    for (std::string::size_type at = 0; at < bytes.size();) {
        const std::string::size_type end = bytes.find('\n', at);
        line = bytes.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? bytes.size() : end + 1;
        if (parser.ReadManagerLine(line, fields)) named.push_back(fields.name);
    }
    const std::map<std::string, int> items = Counts(names), lines = Counts(named);
    for (std::size_t i = 0; i < names.size(); ++i) {
        FUZZ_CHECK(values[i].name == names[i]);
        const auto inFile = lines.find(names[i]);
        if (inFile == lines.end()) FUZZ_CHECK(waits[i].empty() && values[i].wait.empty() && values[i].source.empty());
        if (items.at(names[i]) == 1 && inFile != lines.end() && inFile->second == 1)
            FUZZ_CHECK(waits[i] == values[i].wait);
    }
}

// The configuration's write, then both reads.
void RoundTrip(const std::vector<ManagerLine>& rows) {
    MemoryWorld world;
    world.files.AddDirectory("C:\\ORVANE");
    FUZZ_CHECK(WriteManagerInfo(world.files, world.messages, kIni, rows));
    std::vector<std::string> names;
    for (const ManagerLine& row : rows) names.push_back(row.name);
    std::vector<std::string> waits;
    FUZZ_CHECK(ReadWaitTimes(world.files, kIni, names, waits));
    std::vector<ManagerLine> values;
    FUZZ_CHECK(ReadManagerInfoFor(world.files, world.messages, kIni, names, values));
    const std::map<std::string, int> counts = Counts(names);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(waits[i] == rows[i].wait);
        if (counts.at(rows[i].name) == 1) FUZZ_CHECK(values[i].source == rows[i].source && values[i].wait == rows[i].wait);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The file, then name, source and wait of each row.
    const std::vector<std::string> pieces = fuzz::Pieces(fuzz::Text(data, size));
    std::vector<ManagerLine> rows;
    for (std::size_t at = 1; at + 2 < pieces.size() && rows.size() < 32; at += 3)
        rows.push_back(ManagerLine{pieces[at], pieces[at + 1], pieces[at + 2]});
    std::vector<std::string> names;
    for (const ManagerLine& row : rows) names.push_back(row.name);
    ReadAnyFile(pieces[0], names);

    for (const ManagerLine& row : rows)
        if (!fuzz::Storable(row)) return 0;
    RoundTrip(rows);
    return 0;
}
