#pragma once
// What the fuzz targets share: the input as text, split into parts, and the checks that
// end a run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at each NUL byte into at most `count` parts (missing parts are empty), so
// one input feeds several values.
inline std::vector<std::string> parts(std::string_view input, std::size_t count) {
    std::vector<std::string> out(count);
    std::size_t part = 0;
    for (const char c : input) {
        if (c == '\0' && part + 1 < count)
            ++part;
        else
            out[part] += c;
    }
    return out;
}

// Ends the run, naming the check that failed.
inline void require(bool condition, int line = __builtin_LINE(), const char* file = __builtin_FILE()) {
    if (condition) return;
    std::fprintf(stderr, "fuzz: check failed at %s:%d\n", file, line);
    std::abort();
}

inline bool allDigits(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return !text.empty();
}

// "-"? digits "," then between `minDecimals` and `maxDecimals` digits.
inline bool isMoneyText(std::string_view text, std::size_t minDecimals, std::size_t maxDecimals) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    const std::string_view decimals = text.substr(comma + 1);
    return allDigits(text.substr(0, comma)) && allDigits(decimals) && decimals.size() >= minDecimals &&
           decimals.size() <= maxDecimals;
}

}  // namespace fuzz
