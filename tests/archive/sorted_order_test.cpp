#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "archive/sorted_order.h"

namespace custovia {
namespace {

std::vector<std::size_t> referenceOrder(const std::vector<std::string_view>& texts) {
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return texts[a] < texts[b]; });
    return order;
}

TEST(SortedOrder, OrdersByBytesAndKeepsEqualTextsInTheirOrder) {
    struct Case {
        std::vector<std::string_view> texts;
        std::vector<std::size_t> order;
    };
    const Case cases[] = {
        {{}, {}},
        {{"b", "a", "b", "a"}, {1, 3, 0, 2}},
        // a text that ends sooner goes first, also where the rest would read as zero bytes
        {{"ID: 2026", std::string_view("ID: 2026\0", 9), "ID: 20", "ID: "}, {3, 2, 0, 1}},
        {{std::string_view("ID: 2026\0", 9), "ID: 2026"}, {1, 0}},
        // bytes above 0x7F come after the ASCII letters, as the file's bytes compare
        {{"\xE8", "z", "\x80x", "Z"}, {3, 1, 2, 0}},
        // equal in the eight bytes after the shared "ID: ", different after them
        {{"ID: 202603101030b", "ID: 202603101030a", "ID: 202603101030a"}, {1, 2, 0}},
        // and in the sixteen
        {{"ID: 2026031010301234b", "ID: 2026031010301234a", "ID: 20260310103012", "ID: 2026031010301234"},
         {2, 3, 1, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(sortedOrder(c.texts), c.order) << c.texts.size();

    // agenda-like rows: a shared start, a date key and a few duplicates
    std::mt19937 random(7);
    std::vector<std::string> rows;
    for (int i = 0; i < 2000; ++i)
        rows.push_back("ID: 20" + std::to_string(24 + int(random() % 3)) +
                       std::string(1 + random() % 20, char('0' + random() % 3)) +
                       (random() % 2 ? "\xE8" : "e"));
    const std::vector<std::string_view> texts(rows.begin(), rows.end());
    EXPECT_EQ(sortedOrder(texts), referenceOrder(texts));
}

}  // namespace
}  // namespace custovia
