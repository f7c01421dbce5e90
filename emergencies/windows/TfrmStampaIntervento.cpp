#include "emergencies/windows/TfrmStampaIntervento.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s;
    s.objectName = QStringLiteral("TfrmStampaIntervento");
    s.caption = QStringLiteral(" Stampa scheda");
    s.templateName = "scheda_intervento";
    s.heading = report::kPrintHeading;
    s.texts = report::kPrintTexts;
    return s;
}

}  // namespace

TfrmStampaIntervento::TfrmStampaIntervento(QWidget* owner, Environment& env, CardValues screen)
    : PrintDialog(owner, env, setup(), [&env, screen = std::move(screen)](report::Report& report) {
          fillInterventionCard(report.layout(), screen, env.clock.now());
      }) {}

}  // namespace custovia
