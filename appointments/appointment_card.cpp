#include "appointments/appointment_card.h"

#include "archive/record.h"
#include "archive/shell.h"
#include "archive/text.h"

namespace custovia {

std::string confirmationText(std::string_view hours, std::string_view minutes, std::string_view date) {
    return "Gentile Cliente, le confermiamo l'appuntamento fissato per le ore " + trim(hours) + ":" +
           trim(minutes) + " del giorno " + trim(date);
}

std::string reminderText(std::string_view time, std::string_view date) {
    return "Gentile Cliente, le ricordiamo l'appuntamento fissato per le ore " + trim(time) + " del giorno " +
           trim(date);
}

OutgoingMessage confirmationMessage(const AppointmentScreen& card) {
    return whatsAppMessage(card("txtCel"),
                           confirmationText(card("txtOreApp"), card("txtMinutiApp"), card("txtData")));
}

OutgoingMessage reminderMessage(std::string_view mobile, std::string_view time, std::string_view date) {
    return whatsAppMessage(mobile, reminderText(time, date));
}

void fillAppointmentCard(report::Template& card, const AppointmentScreen& screen, const DateTime& now) {
    auto value = [&screen](std::string_view field) { return trim(screen(field)); };
    // the card's objects carry the names of the fields they print
    for (const char* same : {"txtData", "txtTipologia", "txtCausale", "txtDettagli", "txtContatto", "txtTel",
                             "txtCel", "txtEmail", "txtLuogo", "txtImporto", "txtNote"})
        card.setText(same, value(same));
    card.setText("txtOra", value("txtOreApp") + ":" + value("txtMinutiApp"));
    card.setText("txtOttemperata", std::string(value("chkOttemperata") == kFlagYes ? kFlagYes : kFlagNo));
    card.setText("txtCalce", printedAtText(now));
}

}  // namespace custovia
