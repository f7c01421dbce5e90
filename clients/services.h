#pragma once
// The services provided to a client: one small archive per client, named after the client's
// record number, with the amounts as money text ("12,50").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive.h"
#include "archive/list_search.h"
#include "archive/record.h"

namespace custovia {

// 117 bytes, 5 fields: date, time, service, agent, amount.
const RecordLayout& serviceLayout();

// "Servizi_Cliente_" + the client's 1-based record number (trimmed) + ".pro".
std::string servicesFileName(std::string_view clientPosition);

// "Data: ", date, time, service and agent padded, then "  Costo: € " and the amount.
const RowBuilder& serviceRow();

// The money text of an amount typed in a field: two decimals, rounded half up on the decimal
// value as typed (12,345 gives 12,35; 0,125 gives 0,13); empty or unreadable gives "0,00".
std::string normaliseAmount(std::string_view text);

// The money text of a number of cents ("-0,05", "1250,00").
std::string moneyText(std::int64_t cents);

// The money text to store for an amount typed in the field, or nothing when that text would
// not fit the amount field (13 digits or more before the comma): cut, it would lose its cents.
std::optional<std::string> storableAmount(std::string_view text);

// The listed services of a client and their total.
struct ServiceList {
    std::vector<std::string> rows;  // records with an amount, in file order
    std::string total = "0,00";     // money text of the readable amounts' sum
    std::size_t unreadable = 0;     // listed rows whose amount is not a number (not in the total)
};

// Scans the file: a record with an empty amount is not listed; one whose amount is not a
// number is listed as stored but left out of the total, and the scan goes on. A read
// failure ends the list with what was listed.
ServiceList listServices(Archive& file);

// The lines of the printed summary: the rows, a dashed line and the total.
std::vector<std::string> servicesSummaryLines(const std::vector<std::string>& rows,
                                              std::string_view totalLabel);

}  // namespace custovia
