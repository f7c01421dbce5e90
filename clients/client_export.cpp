#include "clients/client_export.h"

#include "archive/text.h"

namespace custovia {
const ExportTable& clientExport() {
    // grid column, grid header, grid width, record field, value, file header, file width; a
    // town is followed by its province
    static const ExportTable table{
        {
            {"colCliente", "Cognome e nome", 250, "txtCliente", {}, "Cognome e nome", 250},
            {"colDataNasc", "Data di nascita", 120, "txtDataNasc", {}, "Data di nascita", 200},
            {"colComuneNasc",
             "Comune / Stato estero di nascita",
             250,
             "txtComuneNasc",
             {},
             "Comune di nascita",
             250,
             "txtProvNasc"},
            {"colRecapito", "Tel. preferenziale", 200, "txtRecapito", {}, "Tel. preferenziale", 250},
            {"colIndirizzoRes",
             "Indirizzo di residenza",
             250,
             "txtIndirizzoRes",
             {},
             "Indirizzo di residenza",
             300},
            {"colComuneRes",
             "Comune di residenza",
             250,
             "txtComuneRes",
             {},
             "Comune di residenza",
             250,
             "txtProvRes"},
            {"colEstremi", "Modalità di pagamento", 250, "txtEstremi", {}, "Modalità di pagamento", 250},
            {"colTelCasa", "Tel. casa", 200, "txtTelCasa", {}, "Tel. casa", 250},
            {"colTelUff", "Tel. ufficio", 200, "txtTelUff", {}, "Tel. ufficio", 250},
            {"colTelCel", "Tel. cellulare", 200, "txtTelCel", {}, "Tel. cellulare", 250},
            {"colFax", "PEC", 200, "txtFax", {}, "PEC", 250},
            {"colEmail", "E-mail", 250, "txtEmail", {}, "E-mail", 250},
            {"colCodFisc", "Codice fiscale", 150, "txtCodFisc", {}, "Codice fiscale", 250},
            {"colPartitaIva", "Partita IVA", 150, "txtPartitaIva", {}, "Partita IVA", 250},
            {"colCarta", "Carta di credito n.", 250, "txtCarta", {}, "Carta di credito n.", 300},
            {"colScadeCarta", "Scadenza", 160, "txtScadeCarta", {}, "Scadenza", 150},
            {"colIban", "IBAN", 250, "txtIban", {}, "IBAN", 300},
            {"colDocumento", "Estremi documento", 280, "txtDocumento", {}, "Estremi documento", 280},
            {"colOccupazione", "Occupazione", 250, "txtOccupazione", {}, "Occupazione", 250},
            {"colCivile", "Stato civile", 250, "txtCivile", {}, "Stato civile", 250},
            {"colTitoli", "Titoli e qualifiche", 280, "txtTitoli", {}, "Titoli e qualifiche", 280},
            {"colProdotti", "Rappresentante legale", 300, "txtProdotti", {}, "Rappresentante legale", 300},
            {"colZona", "Zona", 250, "txtZona", {}, "Zona", 250},
            {"colQuestioni", "Questioni in sospeso", 300, "txtQuestioni", {}, "Questioni in sospeso", 300},
            {"colNote", "Note", 350, "txtNote", {}, "Note", 300},
        },
        std::string(kClientsExportFile),
        "Archivio Clienti",
    };
    return table;
}

}  // namespace custovia
