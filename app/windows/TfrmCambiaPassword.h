#pragma once
// Changing the shared password after giving the old one.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "archive/windows/Environment.h"

namespace custovia {

class TfrmCambiaPassword final : public QDialog {
    Q_OBJECT
public:
    TfrmCambiaPassword(Environment& env, QWidget* parent = nullptr);

signals:
    void closed();  // by "Chiudi" or after a successful change

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QLineEdit* addPasswordEdit(const QString& name, const QString& caption, const QString& frame, int row);
    void updateOk();
    void change();
    void finish();

    Environment& env_;
    QLineEdit* txtPasswordOld_;
    QLineEdit* txtPasswordNew_;
    QLineEdit* txtConferma_;
    QPushButton* cmdOK_;
};

}  // namespace custovia
