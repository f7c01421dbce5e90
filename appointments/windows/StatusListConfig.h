#pragma once
// The three appointment status lists differ only in their names and in the records they take.
#include "appointments/appointment_lists.h"
#include "archive/windows/ListWindow.h"

namespace custovia {

// A summary list of the appointment archive, read on the clock's today, whose double-click
// loads the chosen card into the appointment card editor whatever the mode tag.
ListConfig statusListConfig(Environment& env, AppointmentStatus status, const QString& objectName,
                            const QString& caption, const QString& printTitle);

}  // namespace custovia
