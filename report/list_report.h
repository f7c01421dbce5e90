#pragma once
// Filling the list template ("Riepilogo dati") that every search window and summary list
// prints: the title, the rows as one memo line each, and the closing line with the moment of
// printing. The memo and its band grow with the rows, so a long list runs over several sheets.
#include <string>
#include <string_view>
#include <vector>

#include "archive/clock.h"
#include "report/template.h"

namespace custovia::report {

inline constexpr std::string_view kListTemplate = "riepilogo_dati";
inline constexpr double kListRowHeight = 12.822;  // one Courier New 8 pt line
inline constexpr double kListBandPadding = 10;

void fillListReport(Template& list, std::string_view title, const std::vector<std::string>& rows,
                    const DateTime& now);

}  // namespace custovia::report
