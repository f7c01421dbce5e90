#pragma once
// The province codes offered by the province boxes of the client, privacy and contract windows.
#include <string>
#include <vector>

namespace custovia {

// The 112 two-letter codes, in the order the lists show them.
const std::vector<std::string>& provinceCodes();

}  // namespace custovia
