#include "employees/windows/TfrmTrovaDipendenti.h"

#include "archive/windows/CardEditor.h"
#include "emergencies/interventions.h"
#include "employees/employee_lists.h"
#include "employees/employees.h"
#include "employees/windows/TfrmDipendenti.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

// The intervention card takes the employee as its first-response operator; nothing else of
// that card changes.
RowAction importIntoIntervention(Environment& env) {
    return [&env](std::uint64_t, const Record& record) {
        if (auto* card = env.windows.find<CardEditor>(toQString(kInterventionsTag))) {
            card->setFieldText(QStringLiteral("txtTecnico"),
                               QString::fromStdString(record.get("txtDipendente")));
            card->setFieldText(QStringLiteral("txtCelTec"), QString::fromStdString(record.get("txtCel")));
        }
    };
}

ListConfig searchConfig(Environment& env) {
    ListConfig c = searchList(
        env, {kEmployeesFile, employeeLayout(), kEmployeesTag, employeeRow()}, employeeFilters(),
        QStringLiteral("TfrmTrovaDipendenti"), QStringLiteral(" Trova schede dipendenti in archivio"),
        QStringLiteral("Riepilogo schede dipendenti in archivio"), QStringLiteral(" schede"));
    c.actions.insert(toQString(kInterventionsTag), importIntoIntervention(env));
    return c;
}

}  // namespace

TfrmTrovaDipendenti::TfrmTrovaDipendenti(Environment& env, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {}

}  // namespace custovia
