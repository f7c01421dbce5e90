#include "archive/sorted_order.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace custovia {
namespace {

std::size_t sharedPrefix(const std::vector<std::string_view>& texts) {
    if (texts.empty()) return 0;
    const std::string_view first = texts.front();
    std::size_t shared = first.size();
    for (const std::string_view text : texts) {
        shared = std::min(shared, text.size());
        shared = std::size_t(std::mismatch(first.begin(), first.begin() + long(shared), text.begin()).first -
                             first.begin());
    }
    return shared;
}

std::uint64_t byteSwapped(std::uint64_t v) {
    std::uint64_t swapped = 0;
    for (int i = 0; i < 8; ++i, v >>= 8) swapped = swapped << 8 | (v & 0xFF);
    return swapped;
}

// Eight bytes from `at` as one number in which the first byte weighs most; a text that ends
// sooner reads as followed by zero bytes, which the comparison of equal numbers settles.
std::uint64_t keyAt(std::string_view text, std::size_t at) {
    if (at >= text.size()) return 0;
    if (at + 8 <= text.size()) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, text.data() + at, 8);
        return std::endian::native == std::endian::little ? byteSwapped(bytes) : bytes;
    }
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = key << 8 | (at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u);
    return key;
}

std::string_view tail(std::string_view text, std::size_t from) {
    return from < text.size() ? text.substr(from) : std::string_view();
}

struct Keyed {
    std::uint64_t key, next;  // the sixteen bytes after the shared start
    std::size_t index;
};

}  // namespace

std::vector<std::size_t> sortedOrder(const std::vector<std::string_view>& texts) {
    const std::size_t shared = sharedPrefix(texts);
    std::vector<Keyed> keyed;
    keyed.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        keyed.push_back({keyAt(texts[i], shared), keyAt(texts[i], shared + 8), i});
    std::sort(keyed.begin(), keyed.end(), [&texts, shared](const Keyed& a, const Keyed& b) {
        if (a.key != b.key) return a.key < b.key;
        if (a.next != b.next) return a.next < b.next;
        // equal in the sixteen bytes: by what follows them, then the shorter first (it equals
        // the start of the other, whose further bytes read as zero in the numbers)
        const std::string_view ta = texts[a.index], tb = texts[b.index];
        const int order = tail(ta, shared + 16).compare(tail(tb, shared + 16));
        if (order != 0) return order < 0;
        return ta.size() != tb.size() ? ta.size() < tb.size() : a.index < b.index;
    });
    std::vector<std::size_t> order;
    order.reserve(keyed.size());
    for (const Keyed& k : keyed) order.push_back(k.index);
    return order;
}

}  // namespace custovia
