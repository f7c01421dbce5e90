#include "contracts/windows/TfrmStampaCon.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s;
    s.objectName = QStringLiteral("TfrmStampaCon");
    s.caption = QStringLiteral(" Stampa documento");
    s.templateName = "contratto_vigilanza";
    s.action = report::PrintAction::Print;
    s.actionButton = QStringLiteral("btnStampa");
    s.cancelButton = QStringLiteral("btnAnnulla");
    s.heading = report::kPrintHeading;
    s.texts = report::kPrintTexts;
    s.failureWarning = QStringLiteral(
        "Attenzione: la stampa del contratto non è andata a buon fine.\n\r\n\rControllare che la stampante "
        "sia accesa e configurata correttamente.");
    return s;
}

}  // namespace

TfrmStampaCon::TfrmStampaCon(QWidget* owner, Environment& env, CardValues screen)
    : ContractPrintDialog(owner, env, setup(), std::move(screen)) {}

}  // namespace custovia
