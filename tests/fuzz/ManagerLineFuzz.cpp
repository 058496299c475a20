// The manager information file's line reader: whatever a line holds, its two
// readings agree; a line as the programs write it reads back as written.
#include "common/ManagerInfo.h"
#include "common/TextHelpers.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/StorableFields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = fuzz::Text(data, size);
    const CManagerInfoParser parser;

    ManagerLine fields;
    if (parser.ReadManagerLine(input, fields)) {
        std::string source = "unset", wait = "unset";
        FUZZ_CHECK(parser.ParseManagerLine(input, fields.name, source, wait));
        FUZZ_CHECK(source == fields.source && wait == fields.wait);
        FUZZ_CHECK(fields.name == Trim(fields.name) && fields.wait == Trim(fields.wait));
    }

    const std::vector<std::string> pieces = fuzz::Pieces(input);
    if (pieces.size() < 3) return 0;
    const ManagerLine row{pieces[0], pieces[1], pieces[2], {}};
    if (!fuzz::Storable(row)) return 0;
    const std::string line = FormatManagerLine(row) + "\n";
    ManagerLine read;
    FUZZ_CHECK(parser.ReadManagerLine(line, read));
    FUZZ_CHECK(read.name == row.name && read.source == row.source && read.wait == row.wait);
    std::string source, wait;
    FUZZ_CHECK(parser.ParseManagerLine(line, row.name, source, wait));
    FUZZ_CHECK(!parser.ParseManagerLine(line, row.name + "x", source, wait));
    return 0;
}
