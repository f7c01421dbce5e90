#include "appointments/windows/TfrmStampaScadenza.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s;
    s.objectName = QStringLiteral("TfrmStampaScadenza");
    s.caption = QStringLiteral(" Stampa documento");
    s.templateName = "scheda_appuntamento";
    s.action = report::PrintAction::Print;
    s.actionButton = QStringLiteral("cmdStampa");
    s.actionText = QStringLiteral("Stampa");
    s.heading = report::kPrintHeading;
    s.texts = report::kPrintTexts;
    return s;
}

}  // namespace

TfrmStampaScadenza::TfrmStampaScadenza(QWidget* owner, Environment& env, AppointmentScreen screen)
    : PrintDialog(owner, env, setup(), [&env, screen = std::move(screen)](report::Report& report) {
          fillAppointmentCard(report.layout(), screen, env.clock.now());
      }) {}

}  // namespace custovia
