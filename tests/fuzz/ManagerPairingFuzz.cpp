// Pairing the manager information file with the items, over the memory file
// system: any file is read without harm, the two programs give every item
// the same line, an item no line names gets nothing, the order lists every
// item once, and what the configuration writes the runner reads back item by
// item and in the same order, duplicate names included.
#include <algorithm>
#include <map>

#include "common/ManagerInfo.h"
#include "platform/memory/MemoryWorld.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/StorableFields.h"

namespace {

const char kIni[] = "C:\\ORVANE\\Orvane.ini";

// Both programs' reads of the file for these items.
void ReadBoth(MemoryWorld& world, const std::vector<std::string>& names, std::vector<PairedItem>& runner,
              std::vector<PairedItem>& config) {
    FUZZ_CHECK(ReadWaitTimes(world.files, kIni, names, runner));
    FUZZ_CHECK(ReadManagerInfoFor(world.files, world.messages, kIni, names, config));
    FUZZ_CHECK(runner.size() == names.size() && config.size() == names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        FUZZ_CHECK(config[i].fields.name == names[i] && runner[i].line == config[i].line);
        FUZZ_CHECK(runner[i].fields.wait == config[i].fields.wait && runner[i].fields.source == config[i].fields.source);
        if (config[i].line < 0) FUZZ_CHECK(config[i].fields.wait.empty() && config[i].fields.source.empty());
    }
    // Every item once, and no two items on one line.
    std::vector<std::size_t> order = ManagerOrder(config);
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i) FUZZ_CHECK(order[i] == i);
    std::map<int, int> onLine;
    for (const PairedItem& item : config)
        if (item.line >= 0) FUZZ_CHECK(++onLine[item.line] == 1);
}

// Any bytes as the file, the rows' names as the items.
void ReadAnyFile(const std::string& bytes, const std::vector<std::string>& names) {
    MemoryWorld world;
    world.files.AddFile(kIni, bytes);
    std::vector<PairedItem> runner, config;
    ReadBoth(world, names, runner, config);
}

// The configuration's write, then both reads: each row gets its own line
// back, and the order is the rows' order.
void RoundTrip(const std::vector<ManagerLine>& rows) {
    MemoryWorld world;
    world.files.AddDirectory("C:\\ORVANE");
    FUZZ_CHECK(WriteManagerInfo(world.files, world.messages, kIni, rows));
    std::vector<std::string> names;
    for (const ManagerLine& row : rows) names.push_back(row.name);
    std::vector<PairedItem> runner, config;
    ReadBoth(world, names, runner, config);
    for (std::size_t i = 0; i < rows.size(); ++i)
        FUZZ_CHECK(config[i].fields.source == rows[i].source && config[i].fields.wait == rows[i].wait);
    const std::vector<std::size_t> order = ManagerOrder(config);
    for (std::size_t i = 0; i < order.size(); ++i) FUZZ_CHECK(order[i] == i);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The file, then name, source and wait of each row.
    const std::vector<std::string> pieces = fuzz::Pieces(fuzz::Text(data, size));
    std::vector<ManagerLine> rows;
    for (std::size_t at = 1; at + 2 < pieces.size() && rows.size() < 32; at += 3)
        rows.push_back(ManagerLine{pieces[at], pieces[at + 1], pieces[at + 2], {}});
    std::vector<std::string> names;
    for (const ManagerLine& row : rows) names.push_back(row.name);
    ReadAnyFile(pieces[0], names);

    for (const ManagerLine& row : rows)
        if (!fuzz::Storable(row)) return 0;
    RoundTrip(rows);
    return 0;
}
