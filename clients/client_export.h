#pragma once
// The client archive as a worksheet: the grid and file columns of its export window.
#include <string_view>

#include "archive/spreadsheet_export.h"

namespace custovia {

inline constexpr std::string_view kClientsExportFile = "Clienti.xls";

// Twenty-five columns, from the name to the notes; sex, postal code, the recontact flag and
// the attachments are not exported.
const ExportTable& clientExport();

}  // namespace custovia
