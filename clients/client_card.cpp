#include "clients/client_card.h"

#include <array>
#include <cstdio>

#include "archive/text.h"

namespace custovia {
namespace {

struct CardRow {
    const char* caption;
    const char* field;        // the value's field, or the first of a joined pair
    const char* joined = "";  // the second field, after a space
};

// Row 16 (the payment card) is composed apart.
constexpr std::array<CardRow, kClientCardRows> kRows{{
    {"Cognome e nome (o Ragione sociale):", "txtCliente"},
    {"Data di nascita:", "txtDataNasc"},
    {"Comune di nascita:", "txtComuneNasc", "txtProvNasc"},
    {"Sesso:", "txtSesso"},
    {"Tel. preferenziale:", "txtRecapito"},
    {"Indirizzo di residenza:", "txtIndirizzoRes"},
    {"Comune di residenza:", "txtComuneRes", "txtProvRes"},
    {"Modalità pagamento:", "txtEstremi"},
    {"Tel. casa:", "txtTelCasa"},
    {"Tel. ufficio:", "txtTelUff"},
    {"Tel. cellulare:", "txtTelCel"},
    {"PEC:", "txtFax"},
    {"E-mail:", "txtEmail"},
    {"Codice fiscale:", "txtCodFisc"},
    {"Partita IVA:", "txtPartitaIva"},
    {"Carta di credito:", "txtCarta", "txtScadeCarta"},
    {"IBAN:", "txtIban"},
    {"Estremi documento:", "txtDocumento"},
    {"Occupazione:", "txtOccupazione"},
    {"Titoli e qualifiche:", "txtTitoli"},
    {"Rappresentante legale:", "txtProdotti"},
    {"Zona:", "txtZona"},
    {"Questioni in sospeso:", "txtQuestioni"},
    {"Note:", "txtNote"},
}};

constexpr int kCardRow = 16;

std::string twoDigitName(const char* prefix, int row) {
    char name[16];
    std::snprintf(name, sizeof name, "%s%02d", prefix, row);
    return name;
}

}  // namespace

const std::vector<RequiredText>& clientSaveChecks() {
    static const std::vector<RequiredText> checks{
        {"txtCliente", "Attenzione: per salvare la scheda è necessario indicare il nome del cliente."},
        {"txtTelCel",
         "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente."},
        {"txtCodFisc",
         "Attenzione: per salvare la scheda è necessario indicare il codice fiscale del cliente."},
    };
    return checks;
}

std::string clientCardCaption(int row, CardCopy copy) {
    if (row == 1 && copy == CardCopy::Screen) return "Cognome e nome:";
    return kRows.at(std::size_t(row - 1)).caption;
}

std::string clientCardValue(int row, const ClientValues& screen) {
    const CardRow& r = kRows.at(std::size_t(row - 1));
    const std::string first = trim(screen(r.field));
    if (row == kCardRow) return "N. " + first + "  -  Scadenza: " + trim(screen(r.joined));
    if (*r.joined) return first + " " + trim(screen(r.joined));
    return first;
}

void fillClientCard(report::Template& card, const ClientValues& screen, const DateTime& now, CardCopy copy) {
    card.setOrientation(report::Orientation::Portrait);
    card.setText("txtTitolo", "SCHEDA ANAGRAFICA CLIENTE");
    for (int row = 1; row <= kClientCardRows; ++row) {
        card.setText(twoDigitName("titCampo", row), clientCardCaption(row, copy));
        card.setText(twoDigitName("txtCampo", row), clientCardValue(row, screen));
    }
    card.setText("txtCalce", printedAtText(now));
}

}  // namespace custovia
