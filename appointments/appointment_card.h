#pragma once
// What the appointment card composes apart from its window: the WhatsApp confirmation and
// reminder, and the printed card.
#include <functional>
#include <string>
#include <string_view>

#include "archive/clock.h"
#include "archive/shell.h"
#include "report/template.h"

namespace custovia {

// Reads a field of the card on screen by its control name.
using AppointmentScreen = std::function<std::string(std::string_view field)>;

// The confirmation sent from the card, with the hours and minutes as shown.
std::string confirmationText(std::string_view hours, std::string_view minutes, std::string_view date);
// The reminder sent from the agenda, with the time of the chosen appointment.
std::string reminderText(std::string_view time, std::string_view date);

// The confirmation as a WhatsApp message to the card's mobile number (txtCel), each value
// trimmed; the reminder to the mobile number given.
OutgoingMessage confirmationMessage(const AppointmentScreen& card);
OutgoingMessage reminderMessage(std::string_view mobile, std::string_view time, std::string_view date);

// Fills the "Scheda Appuntamento" template from the card as it is on screen, each value
// trimmed, and its closing line with the moment of printing.
void fillAppointmentCard(report::Template& card, const AppointmentScreen& screen, const DateTime& now);

}  // namespace custovia
