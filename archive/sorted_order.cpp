#include "archive/sorted_order.h"

#include <algorithm>
#include <cstdint>

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

// Eight bytes from `at` as one number in which the first byte weighs most; a text that ends
// sooner reads as followed by zero bytes, and an equal number is settled by the whole text.
std::uint64_t keyAt(std::string_view text, std::size_t at) {
    if (at >= text.size()) return 0;
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = key << 8 | (at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u);
    return key;
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
        const int order = texts[a.index].substr(shared).compare(texts[b.index].substr(shared));
        return order != 0 ? order < 0 : a.index < b.index;
    });
    std::vector<std::size_t> order;
    order.reserve(keyed.size());
    for (const Keyed& k : keyed) order.push_back(k.index);
    return order;
}

}  // namespace custovia
