#pragma once
// "Stesura Contratti": the contract card editor. Besides the shared card it numbers new
// contracts, checks the date of signature, normalises the fee, imports a client, and keeps the
// firm's current data apart from the contracts on screen: read from Contratti.ini when the
// window is shown, changed by every change of the firm's fields and the place of signature
// except the one that puts an archived contract on screen, and written back when the window
// closes.
#include <QHash>

#include "archive/windows/CardEditor.h"

namespace custovia {

class TfrmContratto final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmContratto(Environment& env, QWidget* parent = nullptr);

    void newContract();  // cmdNuovo

protected:
    void prepareShow() override;
    void presetNew() override;
    void presetDuplicate() override;
    // the date of signature names a day that exists
    bool acceptsSave() override;
    bool keptOnNew(const QString& field) const override;
    void beforeLeaving() override;

private:
    void finishCard();
    void wireWindows();
    void watchFirmFields();
    void readFirmData();
    void putFirmDataOnCard();
    QString today() const;

    QHash<QString, QString> firm_;
};

}  // namespace custovia
