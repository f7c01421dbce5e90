#pragma once
// The four checks of the client, employee and contract cards: Italian tax code, VAT number
// (with the office that issued it), payment card number and IBAN. They only report: each
// returns the message to show and whether the check window stays open for a correction.
#include <optional>
#include <string>
#include <string_view>

namespace custovia {

enum class CheckKind { Warning, Information };

struct CheckResult {
    bool keepOpen = false;  // true only for input the user must correct first
    CheckKind kind = CheckKind::Warning;
    std::string message;  // UTF-8; two-part messages keep their CR LF CR LF

    bool operator==(const CheckResult&) const = default;
};

// The four checks, each with its own window.
enum class Check { TaxCode, VatNumber, PaymentCard, Iban };

// The check a card's button names by its action: "checkTaxCode", "checkVatNumber",
// "checkPaymentCard" or "checkIban"; none for any other action.
std::optional<Check> checkNamed(std::string_view action);
// The action name of a check, as checkNamed() reads it.
std::string_view checkName(Check check);

// The check a card's field opens, from the field's text: a firm's tax code is its VAT number,
// so a tax code of digits alone (once trimmed) goes to the VAT check; an empty one, or any
// other, to the tax code check. The other checks take the text as it is.
Check checkFor(Check asked, std::string_view fieldText);

// Each takes the input field's text as it stands (UTF-8).
CheckResult checkTaxCode(std::string_view fieldText);
CheckResult checkVatNumber(std::string_view fieldText);
CheckResult checkPaymentCard(std::string_view fieldText);
CheckResult checkIban(std::string_view fieldText);

// The provincial VAT office of a three-digit code; empty when no office has that code.
std::string_view vatOffice(std::string_view code);

// True when the last digit of an all-digit text is its Luhn check digit; never for "".
bool luhnPasses(std::string_view digits);

// The remainder modulo 97 of an IBAN read the way the check reads it (spaces dropped, the
// first "IBAN" removed, the first four characters moved to the end, letters as numbers,
// then reduced nine characters at a time). A piece that is not a whole number gives 0.
int ibanRemainder(std::string_view text);

}  // namespace custovia
