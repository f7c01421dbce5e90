#include "contracts/windows/TfrmAnteprimaCon.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s;
    s.objectName = QStringLiteral("TfrmAnteprimaCon");
    s.caption = QStringLiteral(" Anteprima di stampa");
    s.templateName = "contratto_vigilanza";
    s.action = report::PrintAction::Preview;
    s.actionButton = QStringLiteral("btnStampa");
    s.actionText = QStringLiteral("Mostra anteprima");
    s.cancelButton = QStringLiteral("btnAnnulla");
    s.heading = report::kPreviewHeading;
    s.texts = report::kPreviewTexts;
    s.picture = QStringLiteral(":/templates/pictures/anteprima.svg");
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
