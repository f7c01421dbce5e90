#pragma once
// "Coordinamento Emergenze": the intervention card editor.
#include "archive/windows/CardEditor.h"
#include "emergencies/windows/TfrmStampaIntervento.h"

namespace custovia {

class TfrmInterventi final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmInterventi(Environment& env, QWidget* parent = nullptr);

    void sendWhatsApp();
    // The card on screen as the printed card shows it, saved or not.
    report::InterventionCard printedCard() const;

protected:
    void prepareShow() override;
    void presetNew() override;
    void presetDuplicate() override;
    void computeDerived() override;
    bool keptOnNew(const QString& field) const override;
    void beforeLeaving() override;

private:
    void presetNow();
    void addCompanions();
    void wireWindows();
};

}  // namespace custovia
