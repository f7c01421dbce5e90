#pragma once
// What the client card checks and composes apart from its window: the save checks and the
// printed card.
#include <string>
#include <string_view>
#include <vector>

#include "archive/card_values.h"
#include "archive/clock.h"
#include "report/template.h"

namespace custovia {

// Reads a field of the client card on screen by its control name.
using ClientValues = CardValues;

// Checked in this order at Save.
const std::vector<RequiredText>& clientSaveChecks();

inline constexpr std::string_view kClientCardTemplate = "scheda_cliente";
inline constexpr std::string_view kClientPdfFile = "Contatto.pdf";
inline constexpr int kClientCardRows = 24;

// The paper copy names the first row in full; the preview and the PDF in short.
enum class CardCopy { Paper, Screen };

// The caption and value of row n (1 to 24) of the printed card.
std::string clientCardCaption(int row, CardCopy copy);
std::string clientCardValue(int row, const ClientValues& screen);

// Fills the "Scheda Cliente" template from the card as it is on screen, each value trimmed,
// and its closing line with the moment of printing.
void fillClientCard(report::Template& card, const ClientValues& screen, const DateTime& now, CardCopy copy);

}  // namespace custovia
