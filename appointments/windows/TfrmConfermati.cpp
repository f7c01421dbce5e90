#include "appointments/windows/TfrmConfermati.h"

#include "appointments/windows/StatusListConfig.h"

namespace custovia {

TfrmConfermati::TfrmConfermati(Environment& env, QWidget* parent)
    : ListWindow(env, statusListConfig(env, AppointmentStatus::Pending), parent) {}

}  // namespace custovia
