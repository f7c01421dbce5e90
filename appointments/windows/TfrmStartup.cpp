#include "appointments/windows/TfrmStartup.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s;
    s.objectName = QStringLiteral("TfrmStartup");
    s.caption = QStringLiteral(" Anteprima di stampa");
    s.templateName = "scheda_appuntamento";
    s.action = report::PrintAction::Preview;
    s.actionButton = QStringLiteral("cmdAnteprima");
    s.actionText = QStringLiteral("Mostra anteprima");
    s.heading = report::kPreviewHeading;
    s.texts = report::kPreviewTexts;
    return s;
}

}  // namespace

TfrmStartup::TfrmStartup(QWidget* owner, Environment& env, AppointmentScreen screen)
    : PrintDialog(owner, env, setup(), [&env, screen = std::move(screen)](report::Report& report) {
          fillAppointmentCard(report.layout(), screen, env.clock.now());
      }) {}

}  // namespace custovia
