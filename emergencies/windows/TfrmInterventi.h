#pragma once
// "Coordinamento Emergenze": the intervention card editor.
#include "archive/windows/CardEditor.h"
#include "emergencies/windows/TfrmStampaIntervento.h"

namespace custovia {

class TfrmInterventi final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmInterventi(Environment& env, QWidget* parent = nullptr);

protected:
    void prepareShow() override;
    void presetNew() override;
    void presetDuplicate() override;
    void computeDerived() override;
    bool keptOnNew(const QString& field) const override;
    void beforeLeaving() override;

private:
    void presetNow();
    void finishCard();
    void wireWindows();
};

}  // namespace custovia
