#include "clients/checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace custovia {
namespace {

// ---- reference rules, written independently of the code under test

// Odd-position values of the tax code: the letter at index v of this row counts v; a digit
// counts as the letter of the same index ("0" as "A").
constexpr std::string_view kTaxOddRow = "BAKPLCQDREVOSFTGUHMINJWZYX";

int taxOddValue(char c) {
    if (c >= '0' && c <= '9') c = char('A' + (c - '0'));
    return int(kTaxOddRow.find(c));
}
int taxEvenValue(char c) { return (c >= '0' && c <= '9') ? c - '0' : c - 'A'; }

// The first fifteen characters followed by their check letter.
std::string withTaxCheck(std::string first15) {
    int sum = 0;
    for (std::size_t i = 0; i < 15; ++i)
        sum += (i % 2 == 0) ? taxOddValue(first15[i]) : taxEvenValue(first15[i]);
    return first15 + char('A' + sum % 26);
}

std::string withVatCheck(std::string first10) {
    int sum = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        const int d = first10[i] - '0';
        sum += (i % 2 == 0) ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    return first10 + char('0' + (10 - sum % 10) % 10);
}

// The payload followed by its Luhn digit (the digit next to it is doubled).
std::string withLuhn(std::string payload) {
    int sum = 0;
    bool doubled = true;
    for (auto it = payload.rbegin(); it != payload.rend(); ++it, doubled = !doubled) {
        const int d = *it - '0';
        sum += doubled ? (2 * d > 9 ? 2 * d - 9 : 2 * d) : d;
    }
    return payload + char('0' + (10 - sum % 10) % 10);
}

// Remainder modulo 97 of a big decimal number, one digit at a time.
int bigMod97(const std::string& digits) {
    int r = 0;
    for (const char c : digits) r = (r * 10 + (c - '0')) % 97;
    return r;
}

// An Italian IBAN for a 23-character national part, check pair computed from it.
std::string italianIban(const std::string& bban) {
    std::string digits;
    for (const char c : bban + "IT00")
        digits += (c >= 'A' && c <= 'Z') ? std::to_string(c - 'A' + 10) : std::string(1, c);
    const int check = 98 - bigMod97(digits);
    return "IT" + std::string(1, char('0' + check / 10)) + char('0' + check % 10) + bban;
}

CheckResult stays(std::string message) { return {true, CheckKind::Warning, std::move(message)}; }
CheckResult warns(std::string message) { return {false, CheckKind::Warning, std::move(message)}; }
CheckResult informs(std::string message) { return {false, CheckKind::Information, std::move(message)}; }

struct Case {
    std::string input;
    CheckResult expected;
};

void expectAll(CheckResult (*check)(std::string_view), const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE("input: \"" + c.input + "\"");
        const CheckResult got = check(c.input);
        EXPECT_EQ(got.keepOpen, c.expected.keepOpen);
        EXPECT_EQ(got.kind, c.expected.kind);
        EXPECT_EQ(got.message, c.expected.message);
    }
}

// ---- which check a card's button opens

TEST(CheckButton, ATaxCodeOfDigitsAloneOpensTheVatCheck) {
    for (const char* digits : {" 01234567890 ", "01234567897", "\t0123\x7f"})
        EXPECT_EQ(checkFor(Check::TaxCode, digits), Check::VatNumber) << digits;
    for (const char* other : {"", "   ", "RSSMRA80A01H501U", "0123456789O", "0123456789X", "123 456"})
        EXPECT_EQ(checkFor(Check::TaxCode, other), Check::TaxCode) << other;
    // the other checks take whatever the field holds
    for (const Check asked : {Check::VatNumber, Check::PaymentCard, Check::Iban})
        for (const char* text : {"", "01234567890", "RSSMRA80A01H501U"})
            EXPECT_EQ(checkFor(asked, text), asked) << text;
}

TEST(CheckButton, TheFourChecksAreNamedAndNothingElseIs) {
    EXPECT_EQ(checkNamed("checkTaxCode"), Check::TaxCode);
    EXPECT_EQ(checkNamed("checkVatNumber"), Check::VatNumber);
    EXPECT_EQ(checkNamed("checkPaymentCard"), Check::PaymentCard);
    EXPECT_EQ(checkNamed("checkIban"), Check::Iban);
    for (const char* other : {"", "email", "checkiban", "checkIban "})
        EXPECT_FALSE(checkNamed(other)) << other;
    for (const Check check : {Check::TaxCode, Check::VatNumber, Check::PaymentCard, Check::Iban})
        EXPECT_EQ(checkNamed(checkName(check)), check);
}

// ---- tax code

const std::string kTaxLength =
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
const std::string kTaxValid = "Il codice fiscale digitato è VALIDO.";
const std::string kTaxWrong = "Attenzione: il codice fiscale digitato è ERRATO.";
const std::string kTaxBadChars =
    "Attenzione: il codice fiscale digitato contiene caratteri non ammessi ed è quindi ERRATO.";

TEST(TaxCodeCheck, ReportsTheCheckLetterAndKeepsTheWindowOpenOnlyForTheLength) {
    const std::string built = withTaxCheck("BNCLRA71E52F205");
    std::string offByOne = built;
    offByOne[15] = char('A' + (offByOne[15] - 'A' + 1) % 26);

    expectAll(checkTaxCode,
              {
                  {"RSSMRA85T10A562S", informs(kTaxValid)},  // a well-known valid code
                  {built, informs(kTaxValid)},
                  {"bnclra71e52f205" + std::string(1, char(built[15] + 32)), informs(kTaxValid)},
                  {offByOne, warns(kTaxWrong)},
                  // "A" at an even position and ":" both count 0
                  {"RSSMR:85T10A562S", informs(kTaxValid)},
                  {"", stays(kTaxLength)},
                  {"RSSMRA85T10A562", stays(kTaxLength)},
                  {"RSSMRA85T10A562SX", stays(kTaxLength)},
                  // the check itself does not trim: the window does, while typing
                  {" RSSMRA85T10A562S ", stays(kTaxLength)},
              });
}

TEST(TaxCodeCheck, EveryLetterAndDigitCountsItsPublishedValueAtOddAndEvenPositions) {
    for (const char c : std::string_view("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
        for (const std::size_t at : {std::size_t(0), std::size_t(1), std::size_t(14)}) {
            std::string first15 = "RSSMRA85T10A562";
            first15[at] = c;
            SCOPED_TRACE(first15);
            EXPECT_EQ(checkTaxCode(withTaxCheck(first15)).message, kTaxValid);
        }
    }
}

TEST(TaxCodeCheck, ACharacterOutsideTheTablesIsReportedWithoutReadingPastThem) {
    // an accented letter is one character, so each of these has the length of a code
    expectAll(checkTaxCode, {
                                {"RSSMRA85T10A56 S", warns(kTaxBadChars)},
                                {"RSSMRA85T10A56#S", warns(kTaxBadChars)},
                                {"RSSMRA85T10A56/S", warns(kTaxBadChars)},  // just below "0"
                                {"RSSMRA85T10A56[S", warns(kTaxBadChars)},  // just above "Z"
                                {"RSSMRA85T10A56ÈS", warns(kTaxBadChars)},
                                {"ÀSSMRA85T10A562S", warns(kTaxBadChars)},
                                {"RSSMRA85T10A562~", warns(kTaxBadChars)},
                            });
}

// ---- VAT number

const std::string kVatLength = "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
const std::string kVatWrong =
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";

std::string vatValid(const std::string& office) {
    return "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
           "E' stato rilasciato dall'Ufficio IVA del Comune di " +
           office + ".";
}

TEST(VatNumberCheck, NamesTheIssuingOfficeOfAValidNumber) {
    const std::string bologna = withVatCheck("1234567120");
    std::string wrongDigit = withVatCheck("0123456001");
    wrongDigit[10] = char('0' + (wrongDigit[10] - '0' + 1) % 10);

    expectAll(checkVatNumber, {
                                  {withVatCheck("0123456001"), informs(vatValid("Torino"))},
                                  {withVatCheck("9876543040"), informs(vatValid("Forlì"))},
                                  {bologna, informs(vatValid("Bologna 2"))},
                                  {withVatCheck("5555555121"), informs(vatValid("Napoli 2"))},
                                  {withVatCheck("0000000096"), informs(vatValid("Monza (Milano 2)"))},
                                  {withVatCheck("0000000103"), informs(vatValid(""))},
                                  {withVatCheck("0000000000"), informs(vatValid(""))},
                                  {wrongDigit, warns(kVatWrong)},
                                  {"1234567A120", warns(kVatWrong)},
                                  {"1234567è123", warns(kVatWrong)},  // eleven characters, twelve bytes
                                  {"", stays(kVatLength)},
                                  {"1234567890", stays(kVatLength)},
                                  {"123456789012", stays(kVatLength)},
                              });
}

TEST(VatNumberCheck, DoublesTheDigitsAtPositionsTwoToTenAndAddsTheirFigures) {
    // a 7 at an even position counts 1 + 4 = 5; at an odd position it counts 7
    for (std::size_t position = 1; position <= 10; ++position) {
        std::string first10(10, '0');
        first10[position - 1] = '7';
        const std::string expected = (position % 2 == 0) ? "5" : "3";
        SCOPED_TRACE("7 at position " + std::to_string(position));
        EXPECT_EQ(checkVatNumber(first10 + expected).kind, CheckKind::Information);
    }
}

TEST(VatNumberCheck, OfficeTableHoldsTheListedCodesOnly) {
    EXPECT_EQ(vatOffice("001"), "Torino");
    EXPECT_EQ(vatOffice("097"), "Prato (Firenze 2)");
    EXPECT_EQ(vatOffice("099"), "Chiavari (Genova 2)");
    EXPECT_EQ(vatOffice("101"), "Bologna 2");
    EXPECT_EQ(vatOffice("102"), "Napoli 2");
    EXPECT_EQ(vatOffice("120"), "Bologna 2");
    EXPECT_EQ(vatOffice("121"), "Napoli 2");
    for (const char* none : {"000", "103", "119", "122", "1", ""}) EXPECT_EQ(vatOffice(none), "") << none;
    int named = 0;
    for (int code = 0; code <= 999; ++code) {
        char text[4];
        std::snprintf(text, sizeof text, "%03d", code);
        named += vatOffice(text).empty() ? 0 : 1;
    }
    EXPECT_EQ(named, 104);
}

// ---- payment card

const std::string kCardEmpty =
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.";
const std::string kCardWrong =
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.";
const std::string kCardUnknown =
    "Attenzione: il numero digitato supera il controllo ma non corrisponde a nessun tipo di carta di credito "
    "conosciuto.";

CheckResult cardValid(const std::string& field, const std::string& type) {
    return informs("Il numero di carta di credito " + field +
                   " risulta valido.\r\n\r\nLa carta di credito è del tipo " + type + ".");
}

TEST(PaymentCardCheck, NamesTheTypeOfANumberThatPassesLuhn) {
    const std::vector<Case> cases = {
        {"4111111111111111", cardValid("4111111111111111", "Visa")},
        {"42", cardValid("42", "Visa")},  // no length is tested
        {withLuhn("51234567890123"), cardValid(withLuhn("51234567890123"), "MasterCard")},
        {withLuhn("6011000990139"), cardValid(withLuhn("6011000990139"), "Discover")},
        {withLuhn("3012345678901"), cardValid(withLuhn("3012345678901"), "Diner's Club / Carte Blanche")},
        {withLuhn("36123"), cardValid(withLuhn("36123"), "Diner's Club / Carte Blanche")},
        {withLuhn("38"), cardValid(withLuhn("38"), "Diner's Club / Carte Blanche")},
        {withLuhn("3400000000000"), cardValid(withLuhn("3400000000000"), "American Express")},
        {withLuhn("3712"), cardValid(withLuhn("3712"), "American Express")},
        {withLuhn("31999"), cardValid(withLuhn("31999"), "JCB")},
        {withLuhn("330"), cardValid(withLuhn("330"), "JCB")},
        {withLuhn("3528000000000"), cardValid(withLuhn("3528000000000"), "JCB")},
    };
    expectAll(checkPaymentCard, cases);
}

TEST(PaymentCardCheck, SkipsSeparatorsAndReadsEveryDigit) {
    // a 19-digit number typed in groups of four runs past the twentieth character
    const std::string nineteen = withLuhn("411111111111111111");
    std::string grouped;
    for (std::size_t i = 0; i < nineteen.size(); i += 4) grouped += (i ? " " : "") + nineteen.substr(i, 4);
    // the message repeats the field as it stands, spaces included
    expectAll(checkPaymentCard,
              {
                  {"4111 1111 1111 1111", cardValid("4111 1111 1111 1111", "Visa")},
                  {"4111-1111-1111-1111  ", cardValid("4111-1111-1111-1111", "Visa")},
                  {"   4111 1111 1111 1111", cardValid("4111 1111 1111 1111", "Visa")},
                  {grouped, cardValid(grouped, "Visa")},
                  // every digit counts: a valid number with two more digits is another number
                  {"4111 1111 1111 1111 99", warns(kCardWrong)},
              });
}

TEST(PaymentCardCheck, WrongNumbersAndUnnamedLeadingDigitsAreReported) {
    std::string offByOne = withLuhn("411111111111111");
    offByOne.back() = char('0' + (offByOne.back() - '0' + 1) % 10);
    expectAll(checkPaymentCard, {
                                    {offByOne, warns(kCardWrong)},
                                    {withLuhn("2221000000000"), warns(kCardWrong)},
                                    {withLuhn("912345678901234"), warns(kCardWrong)},
                                    {withLuhn("1234567"), warns(kCardWrong)},
                                    {withLuhn("7"), warns(kCardWrong)},
                                    {withLuhn("8"), warns(kCardWrong)},
                                    {"0", warns(kCardWrong)},
                                    {"carta", warns(kCardWrong)},  // no digits at all
                                    {withLuhn("3212345678901"), warns(kCardUnknown)},
                                    {withLuhn("39"), warns(kCardUnknown)},
                                    {"", stays(kCardEmpty)},
                                    {" \t ", stays(kCardEmpty)},
                                });
}

TEST(PaymentCardCheck, LuhnDoublesFromTheSecondRightmostDigit) {
    // odd and even lengths, and a doubled 9 that counts 18 - 9
    for (const std::string payload : {"7992739871", "799273987", "9", "99", "0000000000000000009"}) {
        SCOPED_TRACE(payload);
        const std::string good = withLuhn(payload);
        EXPECT_TRUE(luhnPasses(good));
        for (char other = '0'; other <= '9'; ++other) {
            if (other == good.back()) continue;
            EXPECT_FALSE(luhnPasses(payload + other)) << other;
        }
    }
    EXPECT_TRUE(luhnPasses("79927398713"));
    EXPECT_FALSE(luhnPasses(""));
    EXPECT_FALSE(luhnPasses("4 2"));
}

// ---- IBAN

const std::string kIbanLength = "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
const std::string kIbanValid = "L'IBAN digitato è VALIDO.";
const std::string kIbanWrong = "Attenzione: l'IBAN digitato è ERRATO!";

std::string asciiLowerCopy(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

TEST(IbanCheck, ValidatesTheCheckPairOfTwentySevenCharacters) {
    const std::string built = italianIban("Z0306909606100000063789");
    std::string wrongPair = built;
    wrongPair[3] = char('0' + (wrongPair[3] - '0' + 1) % 10);
    std::string dashed = built;
    dashed[10] = '-';  // between two digits, well beyond the fifth character

    expectAll(checkIban, {
                             {"IT60X0542811101000000123456", informs(kIbanValid)},  // a well-known example
                             {built, informs(kIbanValid)},
                             {asciiLowerCopy(built), informs(kIbanValid)},
                             {"  " + built + " ", informs(kIbanValid)},
                             {wrongPair, warns(kIbanWrong)},
                             {dashed, warns(kIbanWrong)},
                             // a dash as the fifth character is no sign of the first piece
                             {"IT45-1242686402658624443510", warns(kIbanWrong)},
                             // the letters "IBAN" inside the account part are the code's own
                             {italianIban("X054281110100IBAN123456"), informs(kIbanValid)},
                             // after trimming it has 27 characters, and then nothing is left
                             {"I" + std::string(23, ' ') + "BAN", warns(kIbanWrong)},
                             {built.substr(0, 26), stays(kIbanLength)},
                             {built + "0", stays(kIbanLength)},
                             {"", stays(kIbanLength)},
                             // an accented letter is one character: 27 of them, not 28 bytes
                             {built.substr(0, 26) + "è", warns(kIbanWrong)},
                         });
}

TEST(IbanCheck, RemainderIsReducedPiecewiseAndNeverReadsASign) {
    // neither "-" nor "+" is a digit: neither reads as a sign, so neither can pass a wrong code
    EXPECT_EQ(ibanRemainder("AAAA-100"), 0);
    EXPECT_EQ(ibanRemainder("AAAA+100"), 0);
    // a sign anywhere but at the front of a piece is no number at all
    EXPECT_EQ(ibanRemainder("AAAA1-00"), 0);
    EXPECT_EQ(ibanRemainder("AAAA1.00"), 0);
    EXPECT_EQ(ibanRemainder("-"), 0);
    EXPECT_EQ(ibanRemainder("+"), 0);
    // spaces go, then a leading "IBAN", then the country and check pair move to the end
    EXPECT_EQ(ibanRemainder("IBAN IT60 X054 2811 1010 0000 0123 456"), 1);
    EXPECT_NE(ibanRemainder("IT60 IBAN X054 2811 1010 0000 0123 456"), 1);
    EXPECT_EQ(ibanRemainder("IBAN"), 0);
    EXPECT_EQ(ibanRemainder(""), 0);
    // a long number of digits, checked against a one-digit-at-a-time reduction
    const std::string digits = "98765432109876543210987654321098765432109876543210";
    EXPECT_EQ(ibanRemainder("0000" + digits), bigMod97(digits + "0000"));
}

}  // namespace
}  // namespace custovia
