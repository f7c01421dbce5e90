#pragma once
// The contract archive as a worksheet: the grid and file columns of its export window.
#include <string_view>

#include "archive/spreadsheet_export.h"

namespace custovia {

inline constexpr std::string_view kContractsExportFile = "Contratti.xls";

// 25 columns, from the contract number to the third included activity. The firm's data, the
// fourth included activity, the excluded ones and the attachments are not exported. The date
// column reads "Data stipula" in the grid and "Data" in the file.
const ExportTable& contractExport();

}  // namespace custovia
