#pragma once
// The status lists and the search window of the appointment archive share one row.
#include <string_view>
#include <vector>

#include "appointments/agenda.h"
#include "archive/list_search.h"

namespace custovia {

// "Data: " date, time, services, client, mobile and "Importo: € " amount.
const RowBuilder& appointmentRow();

// The ten criteria of the search window, in their Enter order.
const std::vector<FilterField>& appointmentFilters();

// The three status lists. A record whose flag reads neither "Sì" nor "No" is in none.
enum class AppointmentStatus {
    Pending,  // not yet kept, past or future
    Expired,  // not kept, dated strictly before today; a record whose date cannot be read is left out
    Done,     // kept
};
RecordCondition statusCondition(AppointmentStatus status, DayNumber today);

}  // namespace custovia
