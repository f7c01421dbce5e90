#include "appointments/windows/AgendaGridConfig.h"

#include "appointments/appointment_export.h"
#include "appointments/appointments.h"

namespace custovia {

ExportWindowConfig appointmentExportWindow(const QString& objectName, const QString& caption) {
    ExportWindowConfig c;
    c.objectName = objectName;
    c.caption = caption;
    return c;
}

QString agendaGridHeading(GridSelection selection, const DateTime& chosen) {
    static const char* const kMonths[] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                          "maggio",    "giugno",   "luglio",   "agosto",
                                          "settembre", "ottobre",  "novembre", "dicembre"};
    if (selection == GridSelection::Day)
        return QStringLiteral("Appuntamenti del giorno ") + QString::fromStdString(formatDate(chosen));
    if (selection == GridSelection::Month && chosen.month >= 1 && chosen.month <= 12)
        return QStringLiteral("Appuntamenti del mese di %1 %2")
            .arg(QLatin1String(kMonths[chosen.month - 1]))
            .arg(chosen.year);
    return {};
}

ExportWindowConfig agendaGridConfig(GridSelection selection, const QString& objectName,
                                    const QString& caption, const DateTime& chosen) {
    ExportWindowConfig c = appointmentExportWindow(objectName, caption);
    c.heading = agendaGridHeading(selection, chosen);
    c.table = agendaGridExport(selection);
    c.helpTitle = QStringLiteral("Visualizzazione appuntamenti");
    c.helpTopic = HelpTopic::AppointmentLists;
    c.fill = [selection, chosen](Environment& env, GridRows& rows) {
        Archive archive(env.file(kAppointmentsFile), appointmentLayout(), env.files);
        // the rows read before a failure stay, unsorted, and the window says the grid is short
        if (!fillAgendaGrid(archive, selection, chosen, dayNumber(env.clock.now()), rows))
            throw ArchiveError("the appointment archive could not be read to the end");
    };
    return c;
}

}  // namespace custovia
