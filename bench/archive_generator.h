#pragma once
// A large intervention archive with varied, realistic text: accented letters, full-capacity
// fields, finished and in-progress cards.
#include <cstddef>
#include <filesystem>

namespace custovia::bench {

void generateInterventions(const std::filesystem::path& file, std::size_t cards);

}  // namespace custovia::bench
