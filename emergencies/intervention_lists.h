#pragma once
// The two lists of the intervention archive: the search window and the interventions still
// in progress share one row.
#include <string_view>
#include <vector>

#include "archive/list_search.h"

namespace custovia {

// "Data: " date, reporter, mobile, vehicle, plate and first-response operator.
const std::vector<RowColumn>& interventionRowColumns();
const RowBuilder& interventionRow();

// The filters of the search window, in their Enter order.
const std::vector<FilterField>& interventionFilters();

// A card is in progress while its flag reads exactly "No": a finished card, and one whose
// flag holds anything else (an empty flag too), is not.
bool interventionInProgress(std::string_view recordBytes);

}  // namespace custovia
