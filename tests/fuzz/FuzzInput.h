#pragma once
// What every fuzz target shares: the input as texts, and the check that ends
// the run when a property does not hold (libFuzzer keeps the input).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                               \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)

namespace fuzz {

inline std::string Text(const uint8_t* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

// The input cut at NUL bytes: a file and the fields of several rows fit in one input.
inline std::vector<std::string> Pieces(const std::string& input) {
    std::vector<std::string> pieces(1);
    for (char c : input) {
        if (c == '\0')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

}  // namespace fuzz
