// The export reader: whatever a file holds, it is refused or read into
// items whose files stay in the manager folder, and what it reads writes
// back to lines it reads the same. A CSV line reads back as its fields.
#include "common/Csv.h"
#include "common/ExportFile.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = fuzz::Text(data, size);
    const std::vector<std::string> pieces = fuzz::Pieces(input);
    std::vector<std::string> fields;
    FUZZ_CHECK(ReadCsvLine(CsvLine(pieces), fields) && fields == pieces);

    std::vector<std::string> lines(1);
    for (char c : input) {
        if (c == '\n') lines.emplace_back();
        else lines.back() += c;
    }
    ConfigExport config;
    std::string error;
    if (!ReadExport(lines, config, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    for (const ExportedItem& item : config.items) {
        FUZZ_CHECK(item.fileName.find_first_of("\\/:") == std::string::npos && !NamesDevice(item.fileName));
        FUZZ_CHECK(item.fields.source.find_first_of("\",") == std::string::npos);
    }
    const std::vector<std::string> written = FormatExport(config);
    ConfigExport again;
    FUZZ_CHECK(ReadExport(written, again, error));
    FUZZ_CHECK(FormatExport(again) == written);
    return 0;
}
