// The privacy document filled with any text: its braces always balance, so typed text can
// never close a group of the document or open one of its own, and it holds only bytes of
// its code page on one line.
#include "clients/privacy.h"
#include "fuzz/fuzz_support.h"

namespace {

void requireBalanced(std::string_view rtf) {
    long depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // an escaped character, or the first letter of a control word
            continue;
        }
        if (rtf[i] == '{') ++depth;
        if (rtf[i] == '}') fuzz::require(--depth >= 0);
    }
    fuzz::require(depth == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> values = fuzz::parts(fuzz::asText(data, size), 3);
    std::size_t asked = 0;
    const std::string document =
        custovia::privacyDocument([&](std::string_view) { return values[asked++ % values.size()]; });
    requireBalanced(document);
    fuzz::require(document.find('\n') == std::string::npos && document.find('\r') == std::string::npos);
    for (const std::string& value : values) {
        const std::string escaped = custovia::rtfValue(value);
        requireBalanced("{" + escaped + "}");
    }
    return 0;
}
