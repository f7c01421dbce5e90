#pragma once
// The contract archive: one record per service contract between the security firm and a
// client, with the firm's data as they were when the contract was saved.
#include <string_view>

#include "archive/record.h"

namespace custovia {

inline constexpr std::string_view kContractsFile = "Contratti.pro";
inline constexpr std::string_view kContractsTag = "contratti";

// 4891 bytes, 48 fields, in this order. Several field names no longer match their meaning
// (txtMarca is the site's location, txtFax the legal representative): the captions decide.
const RecordLayout& contractLayout();

}  // namespace custovia
