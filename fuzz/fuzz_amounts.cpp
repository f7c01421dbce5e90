// Amounts, fees and contract numbers typed in any way: each normalised form has its one
// shape and is left as it is by a second normalisation.
#include "archive/text.h"
#include "clients/services.h"
#include "contracts/contract_card.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed = fuzz::asText(data, size);

    const std::string amount = custovia::normaliseAmount(typed);
    fuzz::require(fuzz::isMoneyText(amount, 2, 2));
    fuzz::require(custovia::normaliseAmount(amount) == amount);

    const std::string fee = custovia::normaliseFee(typed);
    fuzz::require(fuzz::isMoneyText(fee, 2, 4));
    fuzz::require(custovia::normaliseFee(fee) == fee);

    const std::string start = custovia::normaliseStartNumber(typed);
    fuzz::require(fuzz::allDigits(start));
    fuzz::require(custovia::normaliseStartNumber(start) == start);

    std::uint64_t archived = 0;
    for (std::size_t i = 0; i < size && i < 3; ++i) archived = archived * 256 + data[i];
    // any stored start proposes a number: one that does not read counts from 1
    fuzz::require(fuzz::allDigits(custovia::proposedContractNumber(typed, archived)));
    fuzz::require(custovia::contractStartNumber(typed) <= 99999);
    // a start the numbering window's five characters can hold is taken as it stands
    if (size <= 5) fuzz::require(custovia::contractStartNumber(start) == std::stoull(start));

    if (custovia::isValidContractDate(typed)) {
        const std::string date = custovia::trim(typed);
        const std::size_t first = date.find('/'), second = date.rfind('/');
        fuzz::require(first != std::string::npos && second > first);
        const int day = std::atoi(date.substr(0, first).c_str());
        const int month = std::atoi(date.substr(first + 1, second - first - 1).c_str());
        fuzz::require(day >= 1 && day <= 31 && month >= 1 && month <= 12);
    }
    return 0;
}
