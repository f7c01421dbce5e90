#include "employees/windows/TfrmAnteprimaDipendenti.h"

#include "employees/employee_print.h"
#include "employees/windows/TfrmStampaDipendenti.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s =
        report::previewSetup(QStringLiteral("TfrmAnteprimaDipendenti"), std::string(kEmployeeCardTemplate));
    s.failureWarning = QStringLiteral(
        "Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\rSi "
        "consiglia di ridurre le dimensioni della foto.");
    return s;
}

}  // namespace

TfrmAnteprimaDipendenti::TfrmAnteprimaDipendenti(QWidget* owner, Environment& env, CardValues screen,
                                                 const QImage& photo)
    : PrintDialog(owner, env, setup(), fillEmployeeReport(std::move(screen), photo)) {}

}  // namespace custovia
