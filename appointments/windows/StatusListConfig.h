#pragma once
// The three appointment status lists differ only in their names, their header and the records
// they take.
#include "appointments/appointment_lists.h"
#include "archive/windows/ListWindow.h"

namespace custovia {

// The summary list of the appointment archive in one status, read on the clock's today, whose
// double-click loads the chosen card into the appointment card editor whatever the mode tag.
ListConfig statusListConfig(Environment& env, AppointmentStatus status);

}  // namespace custovia
