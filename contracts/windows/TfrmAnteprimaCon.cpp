#include "contracts/windows/TfrmAnteprimaCon.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s =
        report::previewSetup(QStringLiteral("TfrmAnteprimaCon"), "contratto_vigilanza");
    // the contract window names its buttons as its own
    s.actionButton = QStringLiteral("btnStampa");
    s.cancelButton = QStringLiteral("btnAnnulla");
    s.failureWarning = QStringLiteral(
        "Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon "
        "fine.\n\r\n\rControllare "
        "che la stampante sia configurata correttamente.");
    return s;
}

}  // namespace

TfrmAnteprimaCon::TfrmAnteprimaCon(QWidget* owner, Environment& env, CardValues screen)
    : ContractPrintDialog(owner, env, setup(), std::move(screen)) {}

}  // namespace custovia
