#pragma once
// The intervention archive as a worksheet: the grid and file columns of its export window.
#include <string_view>

#include "archive/spreadsheet_export.h"

namespace custovia {

inline constexpr std::string_view kInterventionsExportFile = "Riepilogo_Interventi.xls";

// Thirteen columns, from the date to the finished flag; the attachments are not exported.
const ExportTable& interventionExport();

}  // namespace custovia
