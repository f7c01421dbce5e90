#pragma once
// The intervention archive: one card per call for help.
#include <string_view>

#include "archive/record.h"

namespace custovia {

inline constexpr std::string_view kInterventionsFile = "Archivio_Interventi.pro";
inline constexpr std::string_view kInterventionsTag = "interventi";

// 2764 bytes, 21 fields, in this order.
const RecordLayout& interventionLayout();

}  // namespace custovia
