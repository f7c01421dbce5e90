#pragma once
// The numbering window: the number the first contract of an empty archive receives, stored as
// "Inizio" in Contratti.ini. It reads and writes the key only under the mode tag "contratti".
#include <QDialog>

#include "archive/windows/Environment.h"

class QLabel;
class QLineEdit;

namespace custovia {

class TfrmNumerazione final : public QDialog {
    Q_OBJECT
public:
    TfrmNumerazione(Environment& env, QWidget* parent, const QString& modeTag);

    void apply();  // "Applica e chiudi"

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool forContracts() const;
    void leaveStart();

    Environment& env_;
    QLabel* lblMemory_ = nullptr;
    QLineEdit* txtInizio_ = nullptr;
};

}  // namespace custovia
