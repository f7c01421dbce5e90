#include "emergencies/intervention_card.h"

#include "archive/record.h"
#include "archive/shell.h"
#include "archive/text.h"

namespace custovia {

const std::vector<RequiredText>& interventionSaveChecks() {
    static const std::vector<RequiredText> checks{
        {"txtData", "Attenzione: per salvare la scheda è necessario indicare la data della segnalazione."},
        {"txtOre", "Attenzione: per salvare la scheda è necessario indicare l'ora della segnalazione."},
        {"txtMinuti",
         "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora della segnalazione."},
        {"txtUtente",
         "Attenzione: per salvare la scheda è necessario indicare il nome dell'automobilista che ha "
         "richiesto il soccorso stradale."},
        {"txtCelUte",
         "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare "
         "dell'automobilista che ha richiesto il soccorso stradale."},
        {"txtGuasto",
         "Attenzione: per salvare la scheda è necessario indicare il problema segnalato "
         "dall'automobilista."},
        {"txtLuogo", "Attenzione: per salvare la scheda è necessario indicare il luogo dell'emergenza."},
        {"txtTipo", "Attenzione: per salvare la scheda è necessario indicare il veicolo da soccorrere."},
        {"txtTarga",
         "Attenzione: per salvare la scheda è necessario indicare la targa del veicolo da soccorrere."},
        {"txtTecnico",
         "Attenzione: per salvare la scheda è necessario indicare il nome del conduttore del "
         "carroattrezzi."},
        {"txtCelTec",
         "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del "
         "conduttore del carroattrezzi."},
    };
    return checks;
}

const std::vector<RequiredText>& interventionWhatsAppChecks() {
    static const std::vector<RequiredText> checks{
        {"txtData",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare la data della "
         "segnalazione."},
        {"txtOre",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare l'ora della "
         "segnalazione."},
        {"txtMinuti",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare i minuti "
         "dell'ora della segnalazione."},
        {"txtUtente",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare il nome del "
         "cliente segnalatore."},
        {"txtCelUte",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare il numero di "
         "cellulare del cliente segnalatore."},
        {"txtGuasto",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare il problema "
         "segnalato dal cliente."},
        {"txtLuogo",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare il luogo "
         "dell'emergenza."},
        {"txtTipo",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare il veicolo "
         "utilizzato dall'operatore di pronto intervento."},
        {"txtTarga",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare la targa del "
         "veicolo utilizzato."},
        {"txtCelTec",
         "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare il numero di "
         "cellulare dell'operatore di pronto intervento."},
    };
    return checks;
}

std::string interventionRequestText(const CardValues& card) {
    auto v = [&card](std::string_view field) { return trim(card(field)); };
    return "Si richiede di prestare soccorso utilizzando il veicolo " + v("txtTipo") + " targato " +
           v("txtTarga") + " presso " + v("txtLuogo") + " per la seguente emergenza: " + v("txtGuasto") +
           " segnalata in data " + v("txtData") + " alle ore " + v("txtOre") + ":" + v("txtMinuti") +
           " dal cliente " + v("txtUtente") + " reperibile al cellulare " + v("txtCelUte");
}

OutgoingMessage interventionWhatsApp(const CardValues& card) {
    return whatsAppMessage(card("txtCelTec"), interventionRequestText(card));
}

void fillInterventionCard(report::Template& card, const CardValues& screen, const DateTime& now) {
    auto value = [&screen](std::string_view field) { return trim(screen(field)); };
    // the card's objects carry the names of the fields they print
    for (const char* same : {"txtData", "txtOperatore", "txtUtente", "txtCelUte", "txtGuasto", "txtLuogo",
                             "txtTecnico", "txtCelTec", "txtNote"})
        card.setText(same, value(same));
    card.setText("txtOra", value("txtOre") + ":" + value("txtMinuti"));
    card.setText("txtTipo", value("txtTipo") + "   Targa: " + value("txtTarga"));
    card.setText("txtTerminato", std::string(value("chkTerminato") == kFlagYes ? kFlagYes : kFlagNo));
    card.setText("txtCalce", printedAtText(now));
}

}  // namespace custovia
