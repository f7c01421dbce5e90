#pragma once
// What the contract card checks, proposes and composes, apart from its window: the save
// checks, the date rule, the fee normalisation, the numbering, the settings file and the
// printed contract.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/card_values.h"
#include "archive/ini_file.h"
#include "report/template.h"

namespace custovia {

// Checked in this order at Save, before the date rule.
const std::vector<RequiredText>& contractSaveChecks();
inline constexpr std::string_view kContractDateWarning =
    "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare "
    "una data valida nel formato gg/mm/anno.";

// Day, month and year in this order, separated by "/", with one or two digits for day and
// month and four for the year, naming a day that exists: 31/04/2025 and 29/02/2025 are
// refused rather than rolled over into the next month.
bool isValidContractDate(std::string_view text);

// The fee as it reads after leaving its field: rounded half up to four decimals on the
// decimal text itself (no binary approximation, so a 15-digit fee neither overflows nor
// drifts), no trailing zeros, at least two decimals: "" -> "0,00", "7" -> "7,00",
// ",5" -> "0,50", "12,34567" -> "12,3457". A text that is not a number gives "0,00".
std::string normaliseFee(std::string_view typed);

// The start number as stored in "Inizio": a whole number of at most five digits, as the
// numbering window holds it. Anything else (empty, "-7", "abc", "12a", a number too long for
// the window) reads as a missing start: 1.
std::uint64_t contractStartNumber(std::string_view stored);

// The number New proposes: the stored start number (read as above) plus the contracts already
// archived.
std::string proposedContractNumber(std::string_view storedStart, std::uint64_t archived);

// The numbering window's field after it is left: empty gives "1", a number is rounded half
// up to a whole number in plain form ("007" -> "7"), anything else gives "1".
std::string normaliseStartNumber(std::string_view typed);

inline constexpr std::string_view kContractSettingsFile = "Contratti.ini";
inline constexpr std::string_view kFirmSection = "Istituto Vigilanza";
inline constexpr std::string_view kNumberingSection = "Numerazione Contratti";
inline constexpr std::string_view kNumberingStartKey = "Inizio";
inline constexpr std::string_view kLogoFile = "Logo.bmp";

// The firm's data and the usual place of signature: a key of the firm's section per card field.
using FirmSetting = FieldSetting;
const std::vector<FirmSetting>& firmSettings();

// Fills page 1 of the "Contratto Vigilanza" template from the card as it is on screen, each
// value trimmed, with the prefixes and separators of the printed contract.
void fillContract(report::Template& contract, const CardValues& screen);

}  // namespace custovia
