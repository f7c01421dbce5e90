#include "emergencies/windows/TfrmStampaIntervento.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    return report::printSetup(QStringLiteral("TfrmStampaIntervento"), QStringLiteral(" Stampa scheda"),
                              "scheda_intervento");
}

}  // namespace

TfrmStampaIntervento::TfrmStampaIntervento(QWidget* owner, Environment& env, CardValues screen)
    : PrintDialog(owner, env, setup(), [&env, screen = std::move(screen)](report::Report& report) {
          fillInterventionCard(report.layout(), screen, env.clock.now());
      }) {}

}  // namespace custovia
