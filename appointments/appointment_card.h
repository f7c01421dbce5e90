#pragma once
// What the appointment card checks and composes apart from its window: the save checks, the
// WhatsApp confirmation and reminder, and the printed card.
#include <string>
#include <string_view>
#include <vector>

#include "archive/card_values.h"
#include "archive/clock.h"
#include "archive/shell.h"
#include "report/template.h"

namespace custovia {

// Reads a field of the card on screen by its control name.
using AppointmentScreen = CardValues;

// Checked in this order at Save.
const std::vector<RequiredText>& appointmentSaveChecks();
// Checked in this order before the WhatsApp confirmation.
const std::vector<RequiredText>& appointmentWhatsAppChecks();

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
