// Feeds arbitrary bytes to the four checks: none may read outside its tables or crash, only
// a check that waits for a correction keeps its window open, and every outcome has a text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "clients/checks.h"

namespace {

void expectSound(const custovia::CheckResult& result) {
    if (result.message.empty()) std::abort();
    if (result.keepOpen && result.kind != custovia::CheckKind::Warning) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    expectSound(custovia::checkTaxCode(text));
    expectSound(custovia::checkVatNumber(text));
    expectSound(custovia::checkPaymentCard(text));
    expectSound(custovia::checkIban(text));
    const int remainder = custovia::ibanRemainder(text);
    if (remainder <= -97 || remainder >= 97) std::abort();
    (void)custovia::luhnPasses(text);
    (void)custovia::vatOffice(text.substr(0, 3));
    return 0;
}
