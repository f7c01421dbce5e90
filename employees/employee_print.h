#pragma once
// The printed employee card: which card field fills which object of "Scheda Dipendente".
#include "archive/card_values.h"
#include "report/template.h"

namespace custovia {

inline constexpr std::string_view kEmployeeCardTemplate = "scheda_dipendente";
inline constexpr std::string_view kEmployeePhotoObject = "imgLogo";

// Sets the title and the 24 value objects from the card on screen, each value trimmed.
void fillEmployeeCard(report::Template& card, const CardValues& screen);

}  // namespace custovia
