#include "appointments/windows/TfrmStartup.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    return report::previewSetup(QStringLiteral("TfrmStartup"), "scheda_appuntamento");
}

}  // namespace

TfrmStartup::TfrmStartup(QWidget* owner, Environment& env, AppointmentScreen screen)
    : PrintDialog(owner, env, setup(), [&env, screen = std::move(screen)](report::Report& report) {
          fillAppointmentCard(report.layout(), screen, env.clock.now());
      }) {}

}  // namespace custovia
