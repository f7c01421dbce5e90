#pragma once
// What the intervention card checks and composes, apart from its window.
#include <string>
#include <string_view>
#include <vector>

#include "archive/card_values.h"
#include "archive/clock.h"
#include "archive/shell.h"
#include "report/template.h"

namespace custovia {

// Checked in this order at Save.
const std::vector<RequiredText>& interventionSaveChecks();
// Checked in this order before the WhatsApp request.
const std::vector<RequiredText>& interventionWhatsAppChecks();

// The request sent to the first-response operator, each value trimmed.
std::string interventionRequestText(const CardValues& card);
// The request as a WhatsApp message to the operator's mobile (txtCelTec).
OutgoingMessage interventionWhatsApp(const CardValues& card);

// Fills the "Scheda Intervento" template from the card as it is on screen, each value trimmed,
// and its closing line with the moment of printing.
void fillInterventionCard(report::Template& card, const CardValues& screen, const DateTime& now);

inline constexpr std::string_view kOperatorSettingsFile = "Segnalazioni.ini";
inline constexpr std::string_view kOperatorSection = "Segnalazioni";
inline constexpr std::string_view kOperatorKey = "Operatore";

}  // namespace custovia
