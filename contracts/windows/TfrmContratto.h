#pragma once
// "Stesura Contratti": the contract card editor. Besides the shared card it numbers new
// contracts, checks the date of signature, normalises the fee, imports a client, and keeps the
// firm's current data apart from the contracts on screen: read from Contratti.ini when the
// window is shown, changed by every change of the firm's fields and the place of signature
// except the one that puts an archived contract on screen, and written back when the window
// closes.
#include <QHash>

#include "archive/windows/CardEditor.h"
#include "emergencies/intervention_card.h"

namespace custovia {

class TfrmContratto final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmContratto(Environment& env, QWidget* parent = nullptr);

    void newContract();   // cmdNuovo
    void saveContract();  // cmdSalva
    // Reads the card on screen, field by field, at the moment it is asked.
    CardValues screenValues() const;
    // The firm's current data and place of signature, by card field.
    const QHash<QString, QString>& firmData() const { return firm_; }

protected:
    void prepareShow() override;
    void presetNew() override;
    void presetDuplicate() override;
    bool keptOnNew(const QString& field) const override;
    void beforeLeaving() override;

private:
    void addCompanions();
    void wireWindows();
    void watchFirmFields();
    void readFirmData();
    void putFirmDataOnCard();
    void checkCode(const QString& field);
    QString today() const;

    QHash<QString, QString> firm_;
};

}  // namespace custovia
