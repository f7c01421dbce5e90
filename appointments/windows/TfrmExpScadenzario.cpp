#include "appointments/windows/TfrmExpScadenzario.h"

#include "appointments/appointment_export.h"
#include "appointments/appointments.h"
#include "appointments/windows/AgendaGridConfig.h"

namespace custovia {
namespace {

ExportWindowConfig archiveExportWindow() {
    ExportWindowConfig c = appointmentExportWindow(QStringLiteral("TfrmExpScadenzario"),
                                                   QStringLiteral(" Esportazione archivio appuntamenti"));
    c.table = appointmentExport();
    c.archiveFile = std::string(kAppointmentsFile);
    c.layout = &appointmentLayout();
    c.helpTitle = QStringLiteral("Esportazione archivio appuntamenti in Excel");
    c.helpTopic = HelpTopic::ExportAppointments;
    return c;
}

}  // namespace

TfrmExpScadenzario::TfrmExpScadenzario(Environment& env, QWidget* parent)
    : ExportWindow(env, parent, archiveExportWindow()) {}

}  // namespace custovia
