#include "clients/services.h"

#include <optional>

#include "archive/text.h"

namespace custovia {
namespace {

__extension__ typedef __int128 Amount;

constexpr int kScaleDigits = 12;               // decimals kept when an amount is read
constexpr Amount kUnitsPerCent = 10000000000;  // 10^10: 10^-12 euro units in a cent
// Sixteen digits of euros: beyond an amount field's fifteen characters, and far from the
// limits of the units and of the cents of a total
constexpr Amount kLargestWhole = 9999999999999999;

// Rounds half up to cents: the integer part of value x 100 + 0.5. A negative amount (from
// an older file) is rounded by its size, so -0,5 stays -0,50 and a second rounding never
// moves it again.
std::int64_t toCents(Amount units) {
    const Amount size = units < 0 ? -units : units;
    const auto cents = std::int64_t((size + kUnitsPerCent / 2) / kUnitsPerCent);
    return units < 0 ? -cents : cents;
}

// An amount read exactly as typed: a decimal number with "," as separator and no thousands
// separator, in units of 10^-12 euro so that no binary approximation ever rounds it.
// Nothing when the text is not such a number (empty, "1,2,3", letters).
std::optional<Amount> readAmount(std::string_view text);

}  // namespace

const RecordLayout& serviceLayout() {
    static const RecordLayout layout{
        {"txtData", 10}, {"txtOra", 5}, {"txtServizi", 54}, {"txtAgente", 28}, {"txtImporto", 15},
    };
    return layout;
}

std::string servicesFileName(std::string_view clientPosition) {
    return "Servizi_Cliente_" + trim(clientPosition) + ".pro";
}

const RowBuilder& serviceRow() {
    static const RowBuilder row(serviceLayout(), {
                                                     {"Data: ", "txtData", 10},
                                                     {"   Ora: ", "txtOra", 5},
                                                     {"   Servizi: ", "txtServizi", 54},
                                                     {"  Agente: ", "txtAgente", 28},
                                                     {"  Costo: € ", "txtImporto", 0},
                                                 });
    return row;
}

namespace {

std::optional<Amount> readAmount(std::string_view text) {
    text = trimView(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    Amount whole = 0, fraction = 0;
    int fractionDigits = 0, digits = 0;
    bool comma = false;
    for (const char c : text) {
        if (c == ',' && !comma) {
            comma = true;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (!comma) {
                whole = whole * 10 + (c - '0');
                if (whole > kLargestWhole) return std::nullopt;  // more digits than any field holds
            } else if (fractionDigits < kScaleDigits) {
                fraction = fraction * 10 + (c - '0');
                ++fractionDigits;
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    for (int i = fractionDigits; i < kScaleDigits; ++i) fraction *= 10;
    Amount scale = 1;
    for (int i = 0; i < kScaleDigits; ++i) scale *= 10;
    const Amount value = whole * scale + fraction;
    return negative ? -value : value;
}

}  // namespace

std::string moneyText(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t(0) - std::uint64_t(cents) : std::uint64_t(cents);
    const std::uint64_t hundredths = magnitude % 100;
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / 100) + "," + char('0' + hundredths / 10) + char('0' + hundredths % 10);
    return text;
}

std::string normaliseAmount(std::string_view text) {
    const std::optional<Amount> value = readAmount(text);
    if (!value) return "0,00";
    const std::int64_t cents = toCents(*value);
    // rounding up must not make an amount that could no longer be read back
    if ((cents < 0 ? -cents : cents) / 100 > kLargestWhole) return "0,00";
    return moneyText(cents);
}

std::optional<std::string> storableAmount(std::string_view text) {
    const RecordLayout& layout = serviceLayout();
    std::string money = normaliseAmount(text);
    if (money.size() > std::size_t(layout.field(layout.indexOf("txtImporto")).capacity)) return std::nullopt;
    return money;
}

ServiceList listServices(Archive& file) {
    ServiceList list;
    const std::size_t amountField = serviceLayout().indexOf("txtImporto");
    Amount total = 0;
    try {
        file.scan([&](std::uint64_t, std::string_view bytes) {
            const std::string amount = fromCp1252(trimView(rawField(serviceLayout(), bytes, amountField)));
            if (amount.empty()) return;
            // an amount that is not a number stays on its row but out of the total
            if (const std::optional<Amount> value = readAmount(amount))
                total += *value;
            else
                ++list.unreadable;
            list.rows.push_back(serviceRow()(bytes));
        });
    } catch (const ArchiveError&) {
        // what was listed before the failure stays listed
    }
    list.total = moneyText(toCents(total));
    return list;
}

std::vector<std::string> servicesSummaryLines(const std::vector<std::string>& rows,
                                              std::string_view totalLabel) {
    std::vector<std::string> lines = rows;
    lines.emplace_back(26, '-');
    lines.push_back("TOTALE IMPORTI:    " + trim(totalLabel));
    return lines;
}

}  // namespace custovia
