#pragma once
// The appointment export windows: the archive export and the agenda's three grids share their
// buttons and hints; the grids differ only in the rows they select and the file they write.
#include "appointments/agenda.h"
#include "archive/windows/ExportWindow.h"

namespace custovia {

// The hints every appointment export window shows.
ExportWindowConfig appointmentExportWindow(const QString& objectName, const QString& caption);

// What the day and month grids say they show: "Appuntamenti del giorno 11/03/2026",
// "Appuntamenti del mese di marzo 2026"; empty for the imminent grid.
QString agendaGridHeading(GridSelection selection, const DateTime& chosen);

// A grid of the agenda: the selected records sorted by key, for the day `chosen` (the agenda's
// calendar) and the clock's today read when the window fills.
ExportWindowConfig agendaGridConfig(GridSelection selection, const QString& objectName,
                                    const QString& caption, const DateTime& chosen);

}  // namespace custovia
