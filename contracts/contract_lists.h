#pragma once
// The contract search: its filters and the row of a contract in the list.
#include <vector>

#include "archive/list_search.h"

namespace custovia {

// The client, telephone, site kind and location padded to their widths, then
// "  Contratto n. " number " del " date.
const std::vector<RowColumn>& contractRowColumns();
const RowBuilder& contractRow();

// The filters of the search window, in their Enter order.
const std::vector<FilterField>& contractFilters();

}  // namespace custovia
