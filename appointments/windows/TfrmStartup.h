#pragma once
// The preview of the appointment card: "Annulla" or "Mostra anteprima", which fills the "Scheda Appuntamento"
// template from the card on screen (saved or not), hands it on and closes the window.
#include "appointments/appointment_card.h"
#include "report/windows/PrintDialog.h"

namespace custovia {

class TfrmStartup final : public report::PrintDialog {
    Q_OBJECT
public:
    // The card is read when the action button is pressed, so what is used is what is on screen then.
    TfrmStartup(QWidget* owner, Environment& env, AppointmentScreen screen);
};

}  // namespace custovia
