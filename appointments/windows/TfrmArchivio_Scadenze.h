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

protected:
    void presetNew() override;
    void presetDuplicate() override;
    void computeDerived() override;

private:
    void finishCard();
    void wireWindows();
};

}  // namespace custovia
