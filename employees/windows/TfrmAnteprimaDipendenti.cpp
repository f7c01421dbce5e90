#include "employees/windows/TfrmAnteprimaDipendenti.h"

#include "employees/employee_print.h"
#include "employees/windows/TfrmStampaDipendenti.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s;
    s.objectName = QStringLiteral("TfrmAnteprimaDipendenti");
    s.caption = QStringLiteral(" Anteprima di stampa");
    s.templateName = std::string(kEmployeeCardTemplate);
    s.action = report::PrintAction::Preview;
    s.actionButton = QStringLiteral("cmdAnteprima");
    s.actionText = QStringLiteral("Mostra anteprima");
    s.heading = report::kPreviewHeading;
    s.texts = report::kPreviewTexts;
    s.picture = QStringLiteral(":/templates/pictures/anteprima.svg");
    s.failureWarning = QStringLiteral(
        "Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\rSi "
        "consiglia di "
        "ridurre le dimensioni della foto.");
    return s;
}

}  // namespace

TfrmAnteprimaDipendenti::TfrmAnteprimaDipendenti(QWidget* owner, Environment& env, CardValues screen,
                                                 const QImage& photo)
    : PrintDialog(owner, env, setup(), fillEmployeeReport(std::move(screen), photo)) {}

}  // namespace custovia
