// The firm's settings files of any content: every key of the contract settings and of the
// privacy form, written one after another with values of any single line, reads back as
// written, and no other key or section is lost.
#include "archive/ini_file.h"
#include "archive/text.h"
#include "clients/privacy.h"
#include "contracts/contract_card.h"
#include "fuzz/fuzz_support.h"

namespace {

// A value as a one-line field holds it: no line break or control character, no blank at
// either end, and not wrapped in quotes (which a profile reader takes off).
std::string fieldValue(std::string value) {
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    value = custovia::trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value.insert(0, 1, 'x');
    return value;
}

template <typename Settings, typename KeyOf>
void writeAndReadBack(std::string text, std::string_view section, const Settings& settings, KeyOf keyOf,
                      const std::vector<std::string>& values) {
    const std::string before = custovia::iniLookup(text, "Altro", "Chiave");
    std::vector<std::string> written;
    for (std::size_t i = 0; i < settings.size(); ++i) {
        written.push_back(fieldValue(values[i % values.size()] + std::to_string(i)));
        text = custovia::iniAssign(text, section, keyOf(settings[i]), written.back());
    }
    for (std::size_t i = 0; i < settings.size(); ++i)
        fuzz::require(custovia::iniLookup(text, section, keyOf(settings[i])) == written[i]);
    fuzz::require(custovia::iniLookup(text, "Altro", "Chiave") == before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> input = fuzz::parts(fuzz::asText(data, size), 4);
    const std::string text = custovia::fromCp1252(input[0]);
    const std::vector<std::string> values{input[1], input[2], input[3]};

    writeAndReadBack(
        text, custovia::kFirmSection, custovia::firmSettings(),
        [](const custovia::FirmSetting& s) { return s.key; }, values);
    std::string numbered =
        custovia::iniAssign(text, custovia::kNumberingSection, custovia::kNumberingStartKey,
                            custovia::normaliseStartNumber(values[0]));
    (void)custovia::proposedContractNumber(
        custovia::iniLookup(numbered, custovia::kNumberingSection, custovia::kNumberingStartKey), 5);
    writeAndReadBack(
        text, custovia::kPrivacySection, custovia::privacySettings(),
        [](const custovia::PrivacySetting& s) { return s.key; }, values);
    return 0;
}
