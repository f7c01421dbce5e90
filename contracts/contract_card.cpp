#include "contracts/contract_card.h"

#include <algorithm>

#include "archive/text.h"

namespace custovia {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// Adds one unit in the last place of a text of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string withoutLeadingZeros(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// A plain decimal number as typed: digits with at most one decimal comma, at least one digit.
struct DecimalText {
    std::string whole;     // may be empty (",5")
    std::string fraction;  // may be empty ("5" or "5,")
};

std::optional<DecimalText> readDecimal(std::string_view text) {
    const std::size_t comma = text.find(',');
    DecimalText d;
    d.whole = std::string(text.substr(0, comma));
    if (comma != std::string_view::npos) d.fraction = std::string(text.substr(comma + 1));
    const bool digitsOnly = std::all_of(d.whole.begin(), d.whole.end(), isDigit) &&
                            std::all_of(d.fraction.begin(), d.fraction.end(), isDigit);
    if (!digitsOnly || (d.whole.empty() && d.fraction.empty())) return std::nullopt;
    return d;
}

// Keeps `places` decimals, rounding half up on the digits themselves.
void roundFraction(DecimalText& d, std::size_t places) {
    if (d.fraction.size() <= places) return;
    const bool up = d.fraction[places] >= '5';
    d.fraction.resize(places);
    if (!up) return;
    std::string digits = d.whole + d.fraction;
    incrementDigits(digits);
    d.whole = digits.substr(0, digits.size() - places);
    d.fraction = digits.substr(digits.size() - places);
}

// At most this many significant digits, as the shortest decimal form of a double holds.
void limitSignificant(DecimalText& d, std::size_t most) {
    const std::string digits = d.whole + d.fraction;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos || digits.size() - first <= most) return;
    const std::size_t cut = first + most;
    if (cut >= d.whole.size()) {
        roundFraction(d, cut - d.whole.size());
        return;
    }
    // more significant whole digits than the form holds: the rest become zeros
    const bool up = digits[cut] >= '5';
    std::string kept = d.whole.substr(0, cut);
    if (up) incrementDigits(kept);
    d.whole = kept + std::string(d.whole.size() - cut, '0');
    d.fraction.clear();
}

}  // namespace

const std::vector<RequiredText>& contractSaveChecks() {
    static const std::vector<RequiredText> checks{
        {"txtDitta",
         "Attenzione: per salvare la scheda è necessario indicare la denominazione dell'Istituto di "
         "Vigilanza."},
        {"txtCliente",
         "Attenzione: per salvare la scheda è necessario indicare il nome o la ragione sociale del "
         "cliente."},
        {"txtNumContratto",
         "Attenzione: per salvare la scheda è necessario indicare il numero progressivo del contratto."},
        {"txtData",
         "Attenzione: per salvare la scheda è necessario indicare la data di stipula del contratto."},
    };
    return checks;
}

bool isValidContractDate(std::string_view text) {
    const std::size_t slash1 = text.find('/');
    const std::size_t slash2 = slash1 == std::string_view::npos ? slash1 : text.find('/', slash1 + 1);
    if (slash2 == std::string_view::npos) return false;
    const std::string_view day = text.substr(0, slash1);
    const std::string_view month = text.substr(slash1 + 1, slash2 - slash1 - 1);
    const std::string_view year = text.substr(slash2 + 1);
    if (!allDigits(day) || day.size() > 2 || !allDigits(month) || month.size() > 2 || !allDigits(year) ||
        year.size() != 4)
        return false;
    const int d = std::stoi(std::string(day));
    const int m = std::stoi(std::string(month));
    const int y = std::stoi(std::string(year));
    if (y < 1 || m < 1 || m > 12 || d < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

std::string normaliseFee(std::string_view typed) {
    static const std::string kZero = "0,00";
    const std::string_view text = trimView(typed);
    if (text.empty()) return kZero;
    std::optional<DecimalText> d = readDecimal(text);
    if (!d) return kZero;
    roundFraction(*d, 4);
    limitSignificant(*d, 15);
    d->whole = withoutLeadingZeros(d->whole);
    while (!d->fraction.empty() && d->fraction.back() == '0') d->fraction.pop_back();
    if (d->fraction.empty()) return d->whole + ",00";
    if (d->fraction.size() == 1) return d->whole + "," + d->fraction + "0";
    return d->whole + "," + d->fraction;
}

std::uint64_t contractStartNumber(std::string_view stored) {
    constexpr std::size_t kWindowDigits = 5;
    const std::string_view text = trimView(stored);
    if (text.empty() || !allDigits(text)) return 1;
    const std::string digits = withoutLeadingZeros(std::string(text));
    if (digits.size() > kWindowDigits) return 1;
    return std::stoull(digits);
}

std::string proposedContractNumber(std::string_view storedStart, std::uint64_t archived) {
    return std::to_string(contractStartNumber(storedStart) + archived);
}

std::string normaliseStartNumber(std::string_view typed) {
    const std::string_view text = trimView(typed);
    std::optional<DecimalText> d = readDecimal(text);
    if (!d) return "1";
    roundFraction(*d, 0);
    return withoutLeadingZeros(d->whole);
}

const std::vector<FirmSetting>& firmSettings() {
    static const std::vector<FirmSetting> settings{
        {"Denominazione", "txtDitta"}, {"Partita Iva", "txtPartitaIva"}, {"Codice Fiscale", "txtCodFisc"},
        {"Sede Legale", "txtSede"},    {"Provincia", "txtProvRes"},      {"CAP", "txtCapRes"},
        {"Indirizzo", "txtVia"},       {"Telefono", "txtTelUff"},        {"PEC", "txtTelCel"},
        {"Responsabile", "txtFax"},    {"Luogo Stipula", "txtLuogo"},
    };
    return settings;
}

void fillContract(report::Template& contract, const CardValues& screen) {
    auto v = [&screen](std::string_view field) { return trim(screen(field)); };
    // the objects that print a field as it is carry the field's name
    for (const char* same : {"txtNumContratto", "txtData",          "txtLuogo",       "txtDitta",
                             "txtCliente",      "txtTipoImpianto",  "txtMarca",       "txtQualitaCli",
                             "txtMatricola",    "txtAlimentazione", "txtAnnoCostruz", "txtCaratteristiche",
                             "txtUbicazione",   "txtOpInc01",       "txtOpInc02",     "txtOpInc03",
                             "txtOpInc04",      "txtOpEsc01",       "txtOpEsc02",     "txtOpEsc03",
                             "txtOpEsc04",      "txtDurata",        "txtTotale",      "txtPeriodicita",
                             "txtPagamento"})
        contract.setText(same, v(same));
    // the objects that print a field after its caption
    static const std::pair<const char*, const char*> captioned[] = {
        {"txtPartitaIva", "P. IVA: "},
        {"txtCodFisc", "C.F. "},
        {"txtTelUff", "Tel.  "},
        {"txtTelCel", "PEC:  "},
        {"txtFax", "Rappresentante legale:  "},
        {"txtPartitaIvaCli", "P. IVA: "},
        {"txtCodFiscCli", "C.F. "},
        {"txtTelCli", "Tel.  "},
        {"txtImpCanone", "€ "},
    };
    for (const auto& [name, caption] : captioned) contract.setText(name, caption + v(name));
    // the firm's seat and the client's residence: town, province, postal code and street on one line
    auto address = [&v](const char* caption, const char* town, const char* province, const char* postcode,
                        const char* street) {
        return caption + v(town) + "  " + v(province) + "     CAP:  " + v(postcode) + "     " + v(street);
    };
    contract.setText("txtSede", address("Sede legale:  ", "txtSede", "txtProvRes", "txtCapRes", "txtVia"));
    contract.setText("txtComuneCli",
                     address("Residenza:  ", "txtComuneCli", "txtProvCli", "txtCapCli", "txtViaCli"));
}

}  // namespace custovia
