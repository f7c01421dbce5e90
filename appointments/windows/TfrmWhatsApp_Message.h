#pragma once
// The reminder to the client of the appointment chosen in the agenda: the appointment's date
// and time and the client's name and mobile, read-only, and "Invia messaggio", which hands the
// WhatsApp Web address to the shell and closes the window.
#include <QDialog>

#include "archive/windows/Environment.h"

class QFormLayout;
class QLineEdit;

namespace custovia {

class TfrmWhatsApp_Message final : public QDialog {
    Q_OBJECT
public:
    TfrmWhatsApp_Message(Environment& env, QWidget* parent);

    // Filled by the agenda before the window is shown; `card`: the appointment's card number,
    // for the message register.
    void setAppointment(const QString& date, const QString& time, const QString& client,
                        const QString& mobile, const QString& card);
    void send();  // btnWhatsApp

private:
    QLineEdit* addField(QFormLayout* form, const QString& name, const QString& caption);

    Environment& env_;
    QLineEdit* txtData_ = nullptr;
    QLineEdit* txtOra_ = nullptr;
    QLineEdit* txtContatto_ = nullptr;
    QLineEdit* txtCel_ = nullptr;
    QString card_;
};

}  // namespace custovia
