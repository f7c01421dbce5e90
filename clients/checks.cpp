#include "clients/checks.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "archive/text.h"

namespace custovia {
namespace {

CheckResult stay(std::string_view message) { return {true, CheckKind::Warning, std::string(message)}; }
CheckResult warn(std::string_view message) { return {false, CheckKind::Warning, std::string(message)}; }
CheckResult inform(std::string_view message) { return {false, CheckKind::Information, std::string(message)}; }

std::size_t characterCount(std::string_view utf8) { return utf8ToCodePoints(utf8).size(); }

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// ---- the messages

constexpr std::string_view kTaxCodeLength =
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
constexpr std::string_view kTaxCodeBadChars =
    "Attenzione: il codice fiscale digitato contiene caratteri non ammessi ed è quindi ERRATO.";
constexpr std::string_view kTaxCodeValid = "Il codice fiscale digitato è VALIDO.";
constexpr std::string_view kTaxCodeWrong = "Attenzione: il codice fiscale digitato è ERRATO.";

constexpr std::string_view kVatLength =
    "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
constexpr std::string_view kVatWrong =
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";
constexpr std::string_view kVatValid =
    "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
    "E' stato rilasciato dall'Ufficio IVA del Comune di ";

constexpr std::string_view kCardEmpty =
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.";
constexpr std::string_view kCardWrong =
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.";
constexpr std::string_view kCardUnknownType =
    "Attenzione: il numero digitato supera il controllo ma non corrisponde a nessun tipo di carta di "
    "credito conosciuto.";

constexpr std::string_view kIbanLength =
    "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
constexpr std::string_view kIbanValid = "L'IBAN digitato è VALIDO.";
constexpr std::string_view kIbanWrong = "Attenzione: l'IBAN digitato è ERRATO!";

// ---- tax code

// Values of the characters "0".."Z"; the seven between "9" and "A" count 0 in both tables.
constexpr char32_t kFirstCodeChar = U'0';
constexpr char32_t kLastCodeChar = U'Z';
// clang-format off
constexpr std::array<int, 43> kOddValues = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                                                 // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                               // : to @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22,  // A-W
    25, 24, 23};                                                                       // X-Z
constexpr std::array<int, 43> kEvenValues = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                                                      // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                               // : to @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,  // A-W
    23, 24, 25};                                                                       // X-Z
// clang-format on

char32_t taxCodeCheckChar(std::u32string_view code) {
    int sum = 0;
    for (std::size_t i = 0; i < 15; ++i) {
        const auto index = std::size_t(code[i] - kFirstCodeChar);
        // position 1 (index 0) is an odd position
        sum += (i % 2 == 0) ? kOddValues[index] : kEvenValues[index];
    }
    return char32_t(U'A' + sum % 26);
}

// ---- VAT number

struct VatOfficeRow {
    std::string_view code;
    std::string_view name;
};

constexpr std::array<VatOfficeRow, 104> kVatOffices = {{
    {"001", "Torino"},
    {"002", "Vercelli"},
    {"003", "Novara"},
    {"004", "Cuneo"},
    {"005", "Asti"},
    {"006", "Alessandria"},
    {"007", "Aosta"},
    {"008", "Imperia"},
    {"009", "Savona"},
    {"010", "Genova 1"},
    {"011", "La Spezia"},
    {"012", "Varese"},
    {"013", "Como"},
    {"014", "Sondrio"},
    {"015", "Milano 1"},
    {"016", "Bergamo"},
    {"017", "Brescia 1"},
    {"018", "Pavia"},
    {"019", "Cremona"},
    {"020", "Mantova"},
    {"021", "Bolzano"},
    {"022", "Trento"},
    {"023", "Verona"},
    {"024", "Vicenza"},
    {"025", "Belluno"},
    {"026", "Treviso"},
    {"027", "Venezia"},
    {"028", "Padova"},
    {"029", "Rovigo"},
    {"030", "Udine"},
    {"031", "Gorizia"},
    {"032", "Trieste"},
    {"033", "Piacenza"},
    {"034", "Parma"},
    {"035", "Reggio Emilia"},
    {"036", "Modena"},
    {"037", "Bologna 1"},
    {"038", "Ferrara"},
    {"039", "Ravenna"},
    {"040", "Forlì"},
    {"041", "Pesaro"},
    {"042", "Ancona"},
    {"043", "Macerata"},
    {"044", "Ascoli Piceno"},
    {"045", "Massa Carrara"},
    {"046", "Lucca"},
    {"047", "Pistoia"},
    {"048", "Firenze 1"},
    {"049", "Livorno"},
    {"050", "Pisa"},
    {"051", "Arezzo"},
    {"052", "Siena"},
    {"053", "Grosseto"},
    {"054", "Perugia"},
    {"055", "Terni"},
    {"056", "Viterbo"},
    {"057", "Rieti"},
    {"058", "Roma 1"},
    {"059", "Latina"},
    {"060", "Frosinone"},
    {"061", "Caserta"},
    {"062", "Benevento"},
    {"063", "Napoli 1"},
    {"064", "Avellino"},
    {"065", "Salerno"},
    {"066", "Aquila"},
    {"067", "Teramo"},
    {"068", "Pescara"},
    {"069", "Chieti"},
    {"070", "Campobasso"},
    {"071", "Foggia"},
    {"072", "Bari"},
    {"073", "Taranto"},
    {"074", "Brindisi"},
    {"075", "Lecce"},
    {"076", "Potenza"},
    {"077", "Matera"},
    {"078", "Cosenza"},
    {"079", "Catanzaro"},
    {"080", "Reggio Calabria"},
    {"081", "Trapani"},
    {"082", "Palermo"},
    {"083", "Messina"},
    {"084", "Agrigento"},
    {"085", "Caltanissetta"},
    {"086", "Enna"},
    {"087", "Catania"},
    {"088", "Ragusa"},
    {"089", "Siracusa"},
    {"090", "Sassari"},
    {"091", "Nuoro"},
    {"092", "Cagliari"},
    {"093", "Pordenone"},
    {"094", "Isernia"},
    {"095", "Oristano"},
    {"096", "Monza (Milano 2)"},
    {"097", "Prato (Firenze 2)"},
    {"098", "Brescia 2"},
    {"099", "Chiavari (Genova 2)"},
    {"100", "Roma 2"},
    {"101", "Bologna 2"},
    {"102", "Napoli 2"},
    {"120", "Bologna 2"},
    {"121", "Napoli 2"},
}};

bool vatCheckDigitHolds(std::u32string_view number) {
    int sum = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        const int digit = int(number[i] - U'0');
        // positions 2, 4, ..., 10 (odd indexes) are doubled; 14 counts 1 + 4
        if (i % 2 == 1) {
            const int doubled = digit * 2;
            sum += doubled / 10 + doubled % 10;
        } else {
            sum += digit;
        }
    }
    const int expected = (10 - sum % 10) % 10;
    return int(number[10] - U'0') == expected;
}

// ---- payment card

// The digits of the whole text, in order: a number typed in groups, or behind blanks, keeps
// every digit however far the blanks push it.
std::string cardDigits(std::string_view fieldText) {
    std::string digits;
    for (const char32_t c : utf8ToCodePoints(fieldText))
        if (isDigit(c)) digits += char(c);
    return digits;
}

// For numbers beginning with 3 the type comes from the first two characters of the field.
std::string_view cardTypeStartingWith3(std::string_view trimmedField) {
    const std::string_view two = trimmedField.substr(0, 2);
    if (two == "30" || two == "36" || two == "38") return "Diner's Club / Carte Blanche";
    if (two == "34" || two == "37") return "American Express";
    if (two == "31" || two == "33" || two == "35") return "JCB";
    return {};
}

std::string_view cardType(int outcome, std::string_view trimmedField) {
    switch (outcome) {
        case 1:
            return cardTypeStartingWith3(trimmedField);
        case 2:
            return "Visa";
        case 3:
            return "MasterCard";
        case 4:
            return "Discover";
        default:
            return {};
    }
}

// ---- IBAN

// A whole number as the reduction reads it: one or more digits only. No sign is ever read:
// the remainders written back are never negative, and a "+" or "-" typed into an IBAN is no
// digit, so it must never let a wrong code pass as valid.
std::optional<long long> wholeNumber(std::u32string_view text) {
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (const char32_t c : text) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - U'0');
    }
    return value;
}

std::u32string ibanDigits(std::string_view text) {
    std::u32string chars;
    for (const char32_t c : utf8ToCodePoints(asciiUpper(text)))
        if (c != U' ') chars += c;
    // only a leading "IBAN" is a prefix: the letters inside an account part are the code's own
    if (chars.starts_with(U"IBAN")) chars.erase(0, 4);
    const std::size_t head = std::min<std::size_t>(4, chars.size());
    chars = chars.substr(head) + chars.substr(0, head);

    std::u32string digits;
    for (const char32_t c : chars) {
        if (c >= U'A' && c <= U'Z') {
            const int number = int(c - U'A') + 10;
            digits += char32_t(U'0' + number / 10);
            digits += char32_t(U'0' + number % 10);
        } else {
            digits += c;
        }
    }
    return digits;
}

}  // namespace

namespace {

constexpr std::pair<std::string_view, Check> kCheckNames[] = {
    {"checkTaxCode", Check::TaxCode},
    {"checkVatNumber", Check::VatNumber},
    {"checkPaymentCard", Check::PaymentCard},
    {"checkIban", Check::Iban},
};

}  // namespace

std::optional<Check> checkNamed(std::string_view action) {
    for (const auto& [name, check] : kCheckNames)
        if (name == action) return check;
    return std::nullopt;
}

std::string_view checkName(Check check) {
    for (const auto& [name, named] : kCheckNames)
        if (named == check) return name;
    return {};
}

Check checkFor(Check asked, std::string_view fieldText) {
    if (asked != Check::TaxCode) return asked;
    const std::string_view code = trimView(fieldText);
    const bool digits =
        !code.empty() && std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits ? Check::VatNumber : Check::TaxCode;
}

CheckResult checkTaxCode(std::string_view fieldText) {
    const std::u32string code = utf8ToCodePoints(asciiUpper(fieldText));
    if (code.size() != 16) return stay(kTaxCodeLength);
    // a character outside "0".."Z" has no value in the tables: the code cannot be right
    for (const char32_t c : code)
        if (c < kFirstCodeChar || c > kLastCodeChar) return warn(kTaxCodeBadChars);
    return taxCodeCheckChar(code) == code[15] ? inform(kTaxCodeValid) : warn(kTaxCodeWrong);
}

CheckResult checkVatNumber(std::string_view fieldText) {
    const std::u32string number = utf8ToCodePoints(asciiUpper(fieldText));
    if (number.size() != 11) return stay(kVatLength);
    if (!std::all_of(number.begin(), number.end(), isDigit) || !vatCheckDigitHolds(number))
        return warn(kVatWrong);
    const std::string_view office = vatOffice(codePointsToUtf8(number.substr(7, 3)));
    return inform(std::string(kVatValid) + std::string(office) + ".");
}

CheckResult checkPaymentCard(std::string_view fieldText) {
    const std::string_view trimmed = trimView(fieldText);
    if (trimmed.empty()) return stay(kCardEmpty);
    const std::string digits = cardDigits(fieldText);
    // 3 names the two-digit groups, 4 Visa, 5 MasterCard, 6 Discover; the rest are wrong
    const int outcome = luhnPasses(digits) ? (digits[0] - '0') - 2 : 0;
    if (outcome < 1 || outcome > 4) return warn(kCardWrong);
    // a number that passes but begins with 32 or 39 is no known card: say so
    const std::string_view type = cardType(outcome, trimmed);
    if (type.empty()) return warn(kCardUnknownType);
    return inform("Il numero di carta di credito " + std::string(trimmed) + " risulta valido.\r\n\r\n" +
                  "La carta di credito è del tipo " + std::string(type) + ".");
}

CheckResult checkIban(std::string_view fieldText) {
    const std::string_view trimmed = trimView(fieldText);
    if (characterCount(trimmed) != 27) return stay(kIbanLength);
    return ibanRemainder(trimmed) == 1 ? inform(kIbanValid) : warn(kIbanWrong);
}

std::string_view vatOffice(std::string_view code) {
    for (const VatOfficeRow& row : kVatOffices)
        if (row.code == code) return row.name;
    return {};
}

bool luhnPasses(std::string_view digits) {
    if (digits.empty()) return false;
    for (const char c : digits)
        if (c < '0' || c > '9') return false;
    int sum = 0;
    // from the second-rightmost digit leftwards, every other digit is doubled
    const std::size_t last = digits.size() - 1;
    for (std::size_t i = 0; i < last; ++i) {
        int value = digits[last - 1 - i] - '0';
        if (i % 2 == 0) {
            value *= 2;
            if (value >= 10) value -= 9;
        }
        sum += value;
    }
    return digits[last] - '0' == (10 - sum % 10) % 10;
}

int ibanRemainder(std::string_view text) {
    const std::u32string digits = ibanDigits(text);
    // Nine characters at a time keep every piece within a signed 32-bit integer; the
    // remainder takes the sign of the piece, as a truncating division gives it.
    long long remainder = 0;  // no characters at all read as no number
    std::u32string piece;
    std::size_t chunk = 9;
    for (std::size_t at = 0; at < digits.size();) {
        piece += digits.substr(at, chunk);
        at += chunk;
        const std::optional<long long> value = wholeNumber(piece);
        if (!value) return 0;
        remainder = *value % 97;
        piece.clear();
        for (const char c : std::to_string(remainder)) piece += char32_t(c);
        chunk = 9 - piece.size();
    }
    return int(remainder);
}

}  // namespace custovia
