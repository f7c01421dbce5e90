#include "appointments/windows/TfrmAssolti.h"

#include "appointments/windows/StatusListConfig.h"

namespace custovia {

TfrmAssolti::TfrmAssolti(Environment& env, QWidget* parent)
    : ListWindow(env, statusListConfig(env, AppointmentStatus::Done), parent) {}

}  // namespace custovia
