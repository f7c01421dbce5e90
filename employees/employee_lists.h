#pragma once
// The employee search: its filters and the row of a listed employee.
#include <vector>

#include "archive/list_search.h"

namespace custovia {

// Name, mobile, grade, department and availability.
const std::vector<RowColumn>& employeeRowColumns();
const RowBuilder& employeeRow();

// The filters of the search window, in their Enter order.
const std::vector<FilterField>& employeeFilters();

}  // namespace custovia
