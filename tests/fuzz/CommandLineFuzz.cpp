// The split of a registry command line: program and arguments together hold
// every character of the line but the program's quotes and blanks, the
// arguments are trimmed and found after the program, and the split of the
// line rebuilt from them gives them again.
#include "common/CommandLine.h"
#include "common/TextHelpers.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

std::string WithoutBlanks(const std::string& text) {
    std::string kept;
    for (char c : text)
        if (Trim(std::string(1, c)) == std::string(1, c)) kept += c;
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line = fuzz::Text(data, size);
    std::string program = "unset", arguments = "unset";
    if (!SplitCommandLine(line, program, arguments)) return 0;

    FUZZ_CHECK(!arguments.empty() && Trim(arguments) == arguments);
    const std::string::size_type start = line.find_first_not_of(" \t");
    const bool quoted = line[start] == '"';
    std::string rest = line;
    if (quoted) {
        // The quotes around the program are the only characters dropped.
        const std::string::size_type close = line.find('"', start + 1);
        FUZZ_CHECK(close != std::string::npos && program == line.substr(start + 1, close - start - 1));
        rest = line.substr(0, start) + program + line.substr(close + 1);
    } else {
        // Blanks before an unquoted program are not part of its path.
        FUZZ_CHECK(line.compare(start, program.size(), program) == 0);
        rest = line.substr(start);
    }
    FUZZ_CHECK(rest.find(arguments, quoted ? start + program.size() : program.size()) != std::string::npos);
    FUZZ_CHECK(WithoutBlanks(program + arguments) == WithoutBlanks(rest));

    // Stored again as a quoted program and its arguments.
    if (program.find('"') != std::string::npos) return 0;
    std::string again, againArguments;
    FUZZ_CHECK(SplitCommandLine("\"" + program + "\" " + arguments, again, againArguments));
    FUZZ_CHECK(again == program && againArguments == arguments);
    return 0;
}
