#pragma once
// Preparing a report: the template's pages laid out into the sheets that will be printed,
// each a list of drawn items with their text, place and font. Painting (report/windows) only
// draws these items; tests read them.
//
// Per template page:
// - objects placed straight on the page appear on every sheet the page gives;
// - PageHeader bands head every sheet, the ReportTitle band follows on the first sheet only;
// - PageFooter bands sit at the foot of every sheet, so a list running over several sheets
//   carries its closing line (the date and time of printing) on each of them;
// - MasterData bands stack in between. A band taller than the room left moves to the next
//   sheet, or, when it may split, leaves on this sheet what fits and continues on the next:
//   a memo without word wrap breaks between its lines, any other object moves whole.
#include <string>
#include <vector>

#include "report/template.h"

namespace custovia::report {

struct DrawnItem {
    ReportObject object;             // with its box in units from the paper's top-left corner
    std::vector<std::string> lines;  // text objects: the lines printed on this sheet
};

struct PreparedPage {
    double widthMm = 210, heightMm = 297;  // as printed
    Orientation orientation = Orientation::Portrait;
    std::vector<DrawnItem> items;

    // The first item with this name, or nullptr.
    const DrawnItem* find(std::string_view name) const;
};

std::vector<PreparedPage> prepareReport(const Template& t);

}  // namespace custovia::report
