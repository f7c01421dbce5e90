#pragma once
// "Schedario Appuntamenti": the appointment card editor, reached from the agenda. Closing it
// brings back the launcher, not the agenda.
#include "appointments/appointment_card.h"
#include "archive/windows/CardEditor.h"

namespace custovia {

class TfrmArchivio_Scadenze final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmArchivio_Scadenze(Environment& env, QWidget* parent = nullptr);

    // The WhatsApp confirmation to the client (btnWhatsApp).
    void sendConfirmation();
    // The e-mail to the typed address (btnEmail).
    void sendEmail();
    // Reads the card on screen, field by field, at the moment it is asked.
    AppointmentScreen screenValues() const;

protected:
    void presetNew() override;
    void presetDuplicate() override;
    void computeDerived() override;

private:
    void addCompanions();
    void wireWindows();
};

}  // namespace custovia
