#pragma once
// Sorting the rows of large lists by their text.
#include <cstddef>
#include <string_view>
#include <vector>

namespace custovia {

// The order that puts the texts in ascending byte order (as comparing std::string_view does),
// texts that are equal keeping their order. The agenda and its grids sort tens of thousands of
// rows that begin alike ("ID: 2026..."): each text is first compared by the sixteen bytes that
// follow what all of them share, as two numbers, and only rows equal there by their whole text.
std::vector<std::size_t> sortedOrder(const std::vector<std::string_view>& texts);

}  // namespace custovia
