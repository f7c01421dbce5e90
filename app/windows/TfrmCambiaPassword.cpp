#include "app/windows/TfrmCambiaPassword.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>

#include "app/cipher.h"
#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"

namespace custovia {
namespace {

const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");

bool filled(const QLineEdit* edit) { return !trim(edit->text().toStdString()).empty(); }

}  // namespace

TfrmCambiaPassword::TfrmCambiaPassword(Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    grid->setVerticalSpacing(12);
    txtPasswordOld_ = addPasswordEdit(QStringLiteral("txtPasswordOld"), QStringLiteral("Vecchia password:"),
                                      QStringLiteral("effPasswordOld"), 0);
    txtPasswordNew_ = addPasswordEdit(QStringLiteral("txtPasswordNew"), QStringLiteral("Nuova password:"),
                                      QStringLiteral("effPasswordNew"), 1);
    txtConferma_ = addPasswordEdit(QStringLiteral("txtConferma"), QStringLiteral("Conferma nuova password:"),
                                   QStringLiteral("effConferma"), 2);
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAutoDefault(false);
    auto* cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setAutoDefault(false);
    grid->addWidget(cmdOK_, 3, 1);
    grid->addWidget(cmdEsci, 3, 2);
    makeFixedWindow(this, QSize(480, 200));
    for (QLineEdit* edit : {txtPasswordOld_, txtPasswordNew_, txtConferma_})
        connect(edit, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOk);
    installEnterRing({txtPasswordOld_, txtPasswordNew_, txtConferma_});
    connect(cmdOK_, &QPushButton::clicked, this, &TfrmCambiaPassword::change);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::finish);
    updateOk();
}

QLineEdit* TfrmCambiaPassword::addPasswordEdit(const QString& name, const QString& caption,
                                               const QString& frame, int row) {
    auto* label = new QLabel(caption, this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    label->setBuddy(edit);
    setCaption(edit, caption);
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1, 1, 2);
    addHighlightFrame(edit, frame);
    return edit;
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtPasswordOld_->clear();
    txtPasswordNew_->clear();
    txtConferma_->clear();
    txtPasswordOld_->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) { event->ignore(); }
void TfrmCambiaPassword::reject() {}

void TfrmCambiaPassword::updateOk() {
    cmdOK_->setEnabled(filled(txtPasswordOld_) && filled(txtPasswordNew_) && filled(txtConferma_));
}

void TfrmCambiaPassword::change() {
    std::string stored;
    try {
        stored = readStoredPassword(env_.folder);
    } catch (const std::exception&) {
        env_.messages.plain(this, kChangeError);
        return;
    }
    if (stored != passwordForm(txtPasswordOld_->text().toStdString())) {
        env_.messages.plain(this, QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld_->clear();
        txtPasswordOld_->setFocus();
        return;
    }
    const std::string newPassword = trim(txtPasswordNew_->text().toStdString());
    if (newPassword != trim(txtConferma_->text().toStdString())) {
        env_.messages.plain(this,
                            QStringLiteral("Attenzione: la nuova password non è stata confermata "
                                           "correttamente. E' necessario reinserire entrambi i valori."));
        txtPasswordNew_->clear();
        txtConferma_->clear();
        txtPasswordNew_->setFocus();
        return;
    }
    // the store keeps 8-bit codes and an 8-bit length: anything else could never be typed again
    if (!storablePassword(passwordForm(newPassword))) {
        env_.messages.plain(this,
                            QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 "
                                           "caratteri e soltanto lettere, cifre e simboli dell'alfabeto "
                                           "latino. E' necessario reinserire entrambi i valori."));
        txtPasswordNew_->clear();
        txtConferma_->clear();
        txtPasswordNew_->setFocus();
        return;
    }
    try {
        writeStoredPassword(env_.folder, newPassword);
    } catch (const std::exception&) {
        env_.messages.plain(this, kChangeError);
        return;
    }
    env_.messages.plain(this, QStringLiteral("Modifica della password completata con successo."));
    finish();
}

void TfrmCambiaPassword::finish() {
    hide();
    emit closed();
}

}  // namespace custovia
