#pragma once
// The printed intervention card: "Annulla" or "Stampa", which fills the "Scheda Intervento"
// template from the card on screen (saved or not), prints it through the print dialog and
// closes the window.
#include "emergencies/intervention_card.h"
#include "report/windows/PrintDialog.h"

namespace custovia {

class TfrmStampaIntervento : public report::PrintDialog {
    Q_OBJECT
public:
    // The card is read when "Stampa" is pressed, so what prints is what is on screen then.
    TfrmStampaIntervento(QWidget* owner, Environment& env, CardValues screen);
};

}  // namespace custovia
