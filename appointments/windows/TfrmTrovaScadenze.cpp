#include "appointments/windows/TfrmTrovaScadenze.h"

#include "appointments/appointment_lists.h"
#include "appointments/appointments.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

ListConfig searchConfig(Environment& env) {
    ListConfig c;
    c.objectName = QStringLiteral("TfrmTrovaScadenze");
    c.caption = QStringLiteral(" Trova appuntamenti in archivio");
    c.kind = ListKind::Search;
    c.archiveFile = std::string(kAppointmentsFile);
    c.layout = &appointmentLayout();
    c.filters = appointmentFilters();
    c.row = [](std::string_view bytes) { return appointmentRow()(bytes); };
    c.countEnding = QStringLiteral(" schede.");
    c.printTitle = QStringLiteral("Riepilogo appuntamenti in archivio");
    c.filterInstruction = QStringLiteral(
        "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e "
        "premere il pulsante Cerca. Lasciare in bianco tutti gli altri campi. Per ogni ricerca è possibile "
        "utilizzare uno o più campi contemporaneamente.");
    c.actions.insert(toQString(kAppointmentsTag), loadIntoCardEditor(env, kAppointmentsTag));
    return c;
}

}  // namespace

TfrmTrovaScadenze::TfrmTrovaScadenze(Environment& env, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {}

}  // namespace custovia
