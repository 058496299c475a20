// The next candidate for a taken name: never the name itself, and a chain of
// candidates never comes back to an earlier one, so a search for a free name
// ends. The name's text before its counter is kept.
#include <set>

#include "common/TextHelpers.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string name = fuzz::Text(data, size);
    std::set<std::string> seen{name};
    for (int step = 0; step < 12; ++step) {
        const std::string next = NextUniqueName(name);
        FUZZ_CHECK(seen.insert(next).second);
        // Only a counter in brackets changes or is added; the text before it stays.
        const std::string::size_type open = next.rfind('(');
        FUZZ_CHECK(open != std::string::npos && next.back() == ')');
        const std::string stem = next.substr(0, open);
        FUZZ_CHECK(name.compare(0, stem.size(), stem) == 0 || stem == name + " ");
        FUZZ_CHECK(next.size() <= name.size() + 4);
        name = next;
    }
    return 0;
}
