#pragma once
// The printed intervention card: "Annulla" or "Stampa", which fills the "Scheda Intervento"
// template from the card on screen (saved or not), prints it through the print dialog and
// closes the window.
#include <functional>
#include <string>

#include "archive/clock.h"
#include "report/template.h"
#include "report/windows/PrintDialog.h"

namespace custovia::report {

// The intervention card's values as they are on screen.
struct InterventionCard {
    std::string date, hour, minutes;
    std::string switchboardOperator;
    std::string reporter, reporterMobile;
    std::string problem, place;
    std::string vehicle, plate;
    std::string responder, responderMobile;  // the first-response operator
    std::string notes;
    bool finished = false;
};

// Sets every value object of the card template, each value trimmed, and the closing line.
void fillInterventionCard(Template& card, const InterventionCard& values, const DateTime& now);

class TfrmStampaIntervento : public PrintDialog {
    Q_OBJECT
public:
    // readCard is asked when "Stampa" is pressed, so what prints is what is on screen then.
    TfrmStampaIntervento(QWidget* owner, Environment& env, std::function<InterventionCard()> readCard);
};

}  // namespace custovia::report
