#include "appointments/windows/TfrmWhatsApp_Message.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "appointments/appointment_card.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

QLabel* header(const QString& name, const char* picture, const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QIcon(pictureResource(picture)).pixmap(QSize(300, 44)));
    label->setAccessibleName(text);
    return label;
}

}  // namespace

TfrmWhatsApp_Message::TfrmWhatsApp_Message(Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmWhatsApp_Message"));
    setWindowTitle(QStringLiteral(" Invio messaggio di WhatsApp"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 16, 20, 16);
    column->setSpacing(10);

    column->addWidget(header(QStringLiteral("imgPromemoria"), "titolo_promemoria",
                             QStringLiteral("PROMEMORIA APPUNTAMENTO"), this));
    auto* appointment = new QFormLayout;
    column->addLayout(appointment);
    txtData_ = addField(appointment, QStringLiteral("txtData"), QStringLiteral("Data appuntamento:"));
    txtOra_ = addField(appointment, QStringLiteral("txtOra"), QStringLiteral("Ora appuntamento:"));

    column->addWidget(
        header(QStringLiteral("imgCliente"), "titolo_dati_cliente", QStringLiteral("DATI CLIENTE"), this));
    auto* client = new QFormLayout;
    column->addLayout(client);
    txtContatto_ = addField(client, QStringLiteral("txtContatto"), QStringLiteral("Cognome e nome:"));
    txtCel_ = addField(client, QStringLiteral("txtCel"), QStringLiteral("Cellulare:"));

    auto* btnWhatsApp = new PictureButton(
        QStringLiteral("btnWhatsApp"), pictureResource("whatsapp_invia"), QStringLiteral("Invia messaggio"),
        QStringLiteral("Invia il promemoria dell'appuntamento al cliente tramite "
                       "WhatsApp."),
        this, QSize(300, 64));
    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmWhatsApp_Message::send);
    auto* btnChiudi = new QPushButton(QStringLiteral("Annulla"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    column->addSpacing(6);
    column->addWidget(btnWhatsApp, 0, Qt::AlignHCenter);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    column->addLayout(bottom);
    makeFixedWindow(this, QSize(460, 440));
}

QLineEdit* TfrmWhatsApp_Message::addField(QFormLayout* form, const QString& name, const QString& caption) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    makeSingleLine(edit);
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
}

void TfrmWhatsApp_Message::setAppointment(const QString& date, const QString& time, const QString& client,
                                          const QString& mobile, const QString& card) {
    card_ = card;
    txtData_->setText(date.trimmed());
    txtOra_->setText(time.trimmed());
    txtContatto_->setText(client.trimmed());
    txtCel_->setText(mobile.trimmed());
}

void TfrmWhatsApp_Message::send() {
    sendMessage(env_, this,
                reminderMessage(txtCel_->text().toStdString(), txtOra_->text().toStdString(),
                                txtData_->text().toStdString()),
                {"Agenda Appuntamenti", card_.toStdString()});
    accept();
}

}  // namespace custovia
