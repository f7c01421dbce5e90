#pragma once
// The sign-in window: one shared password opens the launcher.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "archive/windows/Environment.h"

namespace custovia {

class TfrmPassword final : public QDialog {
    Q_OBJECT
public:
    TfrmPassword(Environment& env, QWidget* parent = nullptr);
    // Empties the password and puts the focus in it (after the change-password window).
    void resetForEntry();

signals:
    void accepted_();        // password right: show the launcher
    void changeRequested();  // "Cambia password"
    void exitRequested();    // "Esci"

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void updateOk();
    void check();

    Environment& env_;
    QLineEdit* txtPassword_;
    QPushButton* cmdOK_;
};

}  // namespace custovia
