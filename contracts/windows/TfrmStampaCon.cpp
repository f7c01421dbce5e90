#include "contracts/windows/TfrmStampaCon.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s = report::printSetup(
        QStringLiteral("TfrmStampaCon"), QStringLiteral(" Stampa documento"), "contratto_vigilanza");
    // the contract window names its buttons as its own
    s.actionButton = QStringLiteral("btnStampa");
    s.cancelButton = QStringLiteral("btnAnnulla");
    s.failureWarning = QStringLiteral(
        "Attenzione: la stampa del contratto non è andata a buon fine.\n\r\n\rControllare che la stampante "
        "sia accesa e configurata correttamente.");
    return s;
}

}  // namespace

TfrmStampaCon::TfrmStampaCon(QWidget* owner, Environment& env, CardValues screen)
    : ContractPrintDialog(owner, env, setup(), std::move(screen)) {}

}  // namespace custovia
