#include "appointments/windows/TfrmScaduti.h"

#include "appointments/windows/StatusListConfig.h"

namespace custovia {

TfrmScaduti::TfrmScaduti(Environment& env, QWidget* parent)
    : ListWindow(env, statusListConfig(env, AppointmentStatus::Expired), parent) {}

}  // namespace custovia
