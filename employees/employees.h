#pragma once
// The employee archive: one card per member of staff, with a photo kept beside it.
#include <string_view>
#include <vector>

#include "archive/record.h"
#include "archive/card_values.h"

namespace custovia {

inline constexpr std::string_view kEmployeesFile = "Archivio_Dipendenti.pro";
inline constexpr std::string_view kEmployeesTag = "dipendenti";
// The tag of the employee card's photo frame, as the webcam window knows it.
inline constexpr std::string_view kEmployeePhotoTag = "euro_01";

// 3356 bytes, 31 fields, in this order.
const RecordLayout& employeeLayout();

// Checked in this order at Save.
const std::vector<RequiredText>& employeeSaveChecks();

}  // namespace custovia
