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
    ListConfig c;
    c.objectName = QStringLiteral("TfrmTrovaDipendenti");
    c.caption = QStringLiteral(" Trova schede dipendenti in archivio");
    c.size = QSize(862, 560);
    c.kind = ListKind::Search;
    c.archiveFile = std::string(kEmployeesFile);
    c.layout = &employeeLayout();
    c.filters = employeeFilters();
    c.row = [](std::string_view bytes) { return employeeRow()(bytes); };
    c.countEnding = QStringLiteral(" schede");
    c.printTitle = QStringLiteral("Riepilogo schede dipendenti in archivio");
    c.actions.insert(toQString(kEmployeesTag), loadIntoCardEditor(env, kEmployeesTag));
    c.actions.insert(toQString(kInterventionsTag), importIntoIntervention(env));
    return c;
}

}  // namespace

TfrmTrovaDipendenti::TfrmTrovaDipendenti(Environment& env, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {}

}  // namespace custovia
