#include "appointments/appointment_card.h"

#include "archive/record.h"
#include "archive/shell.h"
#include "archive/text.h"

namespace custovia {

const std::vector<RequiredText>& appointmentSaveChecks() {
    static const std::vector<RequiredText> checks{
        {"txtData", "Attenzione: per salvare la scheda è necessario indicare la data dell'appuntamento."},
        {"txtAvviso",
         "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso rispetto alla data "
         "dell'appuntamento."},
        {"txtCausale",
         "Attenzione: per salvare la scheda è necessario indicare i servizi richiesti dal cliente."},
        {"txtContatto", "Attenzione: per salvare la scheda è necessario indicare il nome del cliente."},
        {"txtCel",
         "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente."},
    };
    return checks;
}

const std::vector<RequiredText>& appointmentWhatsAppChecks() {
    static const std::vector<RequiredText> checks{
        {"txtData",
         "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp è necessario "
         "indicare la data."},
        {"txtCel",
         "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp è necessario "
         "indicare il suo numero di cellulare."},
    };
    return checks;
}

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
