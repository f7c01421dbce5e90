#include "report/list_report.h"

namespace custovia::report {

void fillListReport(Template& list, std::string_view title, const std::vector<std::string>& rows,
                    const DateTime& now) {
    list.setText("txtTitolo", std::string(title));
    list.setText("txtPagina", printedAtText(now));
    std::string memo;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) memo += "\r\n";
        // a row is one line whatever its fields hold: a stray line break would push the
        // last rows out of the memo's height, off the paper
        for (char c : rows[i]) memo += (c == '\r' || c == '\n') ? ' ' : c;
    }
    list.setText("txtRiepilogo", std::move(memo));
    const double height = double(rows.size()) * kListRowHeight;
    list.setHeight("txtRiepilogo", height);
    list.setHeight("MasterData", height + kListBandPadding);
}

}  // namespace custovia::report
