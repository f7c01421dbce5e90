#pragma once
// What the client card composes apart from its window: where the tax-code button sends its
// text, and the printed card.
#include <functional>
#include <string>
#include <string_view>

#include "archive/clock.h"
#include "report/template.h"

namespace custovia {

// Reads a field of the client card on screen by its control name.
using ClientValues = std::function<std::string(std::string_view field)>;

enum class TaxCodeRoute { TaxCode, VatNumber };
// A firm's tax code is its VAT number: an all-digit text goes to the VAT check, anything
// else (an empty field too) to the tax code check. The text is taken trimmed.
TaxCodeRoute taxCodeRoute(std::string_view fieldText);

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
