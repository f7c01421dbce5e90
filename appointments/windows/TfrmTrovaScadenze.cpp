#include "appointments/windows/TfrmTrovaScadenze.h"

#include "appointments/appointment_lists.h"
#include "appointments/appointments.h"

namespace custovia {
namespace {

ListConfig searchConfig(Environment& env) {
    ListConfig c =
        searchList(env, {kAppointmentsFile, appointmentLayout(), kAppointmentsTag, appointmentRow()},
                   appointmentFilters(), QStringLiteral("TfrmTrovaScadenze"),
                   QStringLiteral(" Trova appuntamenti in archivio"),
                   QStringLiteral("Riepilogo appuntamenti in archivio"));
    c.filterInstruction = QStringLiteral(
        "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e "
        "premere il pulsante Cerca. Lasciare in bianco tutti gli altri campi. Per ogni ricerca è possibile "
        "utilizzare uno o più campi contemporaneamente.");
    return c;
}

}  // namespace

TfrmTrovaScadenze::TfrmTrovaScadenze(Environment& env, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {}

}  // namespace custovia
