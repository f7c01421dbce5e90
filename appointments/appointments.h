#pragma once
// The appointment archive: one card per appointment fixed with a client.
#include <string_view>

#include "archive/record.h"

namespace custovia {

inline constexpr std::string_view kAppointmentsFile = "Archivio_Appuntamenti.pro";
// The mode tag of the appointment card editor: the windows that write into it find it so.
inline constexpr std::string_view kAppointmentsTag = "scadenze";
// The calendar's tag for the appointment date.
inline constexpr std::string_view kAppointmentDateTag = "data_agenda";
inline constexpr std::string_view kAlarmSoundFile = "Avviso.mp3";

// 1265 bytes, 16 fields, in this order.
const RecordLayout& appointmentLayout();

// Field indexes, resolved once.
struct AppointmentFields {
    std::size_t data, ore, minuti, ora, avviso, tipologia, causale, dettagli, contatto, tel, cel, email,
        luogo, importo, note, ottemperata;
};
const AppointmentFields& appointmentFields();

}  // namespace custovia
