#pragma once
// "Coordinamento Emergenze": the intervention card editor.
#include "archive/windows/CardEditor.h"

namespace custovia {

class TfrmInterventi final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmInterventi(Environment& env, QWidget* parent = nullptr);

    void sendWhatsApp();

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

} // namespace custovia
