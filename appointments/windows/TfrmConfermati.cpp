#include "appointments/windows/TfrmConfermati.h"

#include "appointments/windows/StatusListConfig.h"

namespace custovia {

TfrmConfermati::TfrmConfermati(Environment& env, QWidget* parent)
    : ListWindow(env,
                 statusListConfig(env, AppointmentStatus::Pending, QStringLiteral("TfrmConfermati"),
                                  QStringLiteral(" Riepilogo impegni da assolvere"),
                                  QStringLiteral("Riepilogo impegni da assolvere")),
                 parent) {}

}  // namespace custovia
