#pragma once
// The lists of the client archive: the search window (also the client picker of the other
// work areas) and the clients to call back share one row, differing only in its last column.
#include <string_view>
#include <vector>

#include "archive/list_search.h"

namespace custovia {

// Name, preferred telephone, area, legal representative, then the notes (search window) or
// the open issues (recontact list).
const RowBuilder& clientSearchRow();
const RowBuilder& clientRecontactRow();
const std::vector<RowColumn>& clientRowColumns(std::string_view lastField);

// The filters of the search window, in their Enter order.
const std::vector<FilterField>& clientFilters();

// A client is to be called back while the flag reads exactly "Sì".
bool clientToRecontact(std::string_view recordBytes);

// A client field copied into a control of another work area's card.
struct ImportTarget {
    std::string_view field;    // of the client record
    std::string_view control;  // of the target card
};

// The mode tags of the client search window beyond "clienti", which loads the whole card.
inline constexpr std::string_view kInterventionImportTag = "interventi";
inline constexpr std::string_view kAppointmentImportTag = "scadenze";
inline constexpr std::string_view kContractImportTag = "contratto";

// What a chosen client gives the card opened under the tag; empty for a tag that imports
// nothing.
const std::vector<ImportTarget>& clientImportTargets(std::string_view tag);

}  // namespace custovia
