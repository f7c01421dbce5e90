#pragma once
// The appointment archive as worksheets: the export of the whole archive and the agenda's
// three grids (imminent, day, month), which add the appointment key and sort by it.
#include <string_view>

#include "appointments/agenda.h"
#include "archive/spreadsheet_export.h"

namespace custovia {

inline constexpr std::string_view kAppointmentsExportFile = "Riepilogo_Appuntamenti.xls";

// Thirteen columns from the date to the notes, in file order; no key column.
const ExportTable& appointmentExport();

// Fourteen columns: the thirteen above and the key, "Codice univoco".
const ExportTable& agendaGridExport(GridSelection selection);
// The grid column (counting the number column as 0) that holds the key.
std::size_t agendaKeyColumn();

// Fills a grid: one row per selected record, numbered in file order, then the rows sorted by
// their key (equal keys keep their file order). A failure ends the filling: the rows added
// before it stay, unsorted. Returns false then.
bool fillAgendaGrid(Archive& archive, GridSelection selection, const DateTime& chosen, DayNumber today,
                    GridRows& rows);

}  // namespace custovia
