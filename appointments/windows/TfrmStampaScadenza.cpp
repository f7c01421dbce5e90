#include "appointments/windows/TfrmStampaScadenza.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    return report::printSetup(QStringLiteral("TfrmStampaScadenza"), QStringLiteral(" Stampa documento"),
                              "scheda_appuntamento");
}

}  // namespace

TfrmStampaScadenza::TfrmStampaScadenza(QWidget* owner, Environment& env, AppointmentScreen screen)
    : PrintDialog(owner, env, setup(), [&env, screen = std::move(screen)](report::Report& report) {
          fillAppointmentCard(report.layout(), screen, env.clock.now());
      }) {}

}  // namespace custovia
