#include "app/windows/TfrmPassword.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>

#include "app/cipher.h"
#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/qt_text.h"

namespace custovia {

TfrmPassword::TfrmPassword(Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmPassword"));
    setWindowTitle(QStringLiteral("Custovia - Autenticazione"));

    auto* picture = new QLabel(this);
    picture->setPixmap(QIcon(pictureResource("sign_in")).pixmap(96, 96));
    auto* caption = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    txtPassword_ = new QLineEdit(this);
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setFont(QFont(QStringLiteral("Verdana"), 14, QFont::Bold));
    caption->setBuddy(txtPassword_);
    setCaption(txtPassword_, QStringLiteral("Password"));
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAutoDefault(false);
    auto* cmdCambia = new QPushButton(QStringLiteral("Cambia password"), this);
    cmdCambia->setObjectName(QStringLiteral("btnCambiaPassword"));
    cmdCambia->setAutoDefault(false);
    auto* cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(caption, 0, 1, 1, 3);
    grid->addWidget(txtPassword_, 1, 1, 1, 3);
    grid->addWidget(cmdOK_, 2, 1);
    grid->addWidget(cmdCambia, 2, 2);
    grid->addWidget(cmdEsci, 2, 3);
    makeFixedWindow(this, QSize(520, 190));
    addHighlightFrame(txtPassword_, QStringLiteral("effPassword"));

    connect(txtPassword_, &QLineEdit::textChanged, this, &TfrmPassword::updateOk);
    onEnter(txtPassword_, [this] {
        if (cmdOK_->isEnabled()) check();
    });
    connect(cmdOK_, &QPushButton::clicked, this, &TfrmPassword::check);
    connect(cmdCambia, &QPushButton::clicked, this, &TfrmPassword::changeRequested);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::exitRequested);
    updateOk();
}

void TfrmPassword::resetForEntry() {
    txtPassword_->clear();
    txtPassword_->setFocus();
}

void TfrmPassword::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtPassword_->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event) { event->ignore(); }
// Escape does not close the window: only its own buttons leave it
void TfrmPassword::reject() {}

void TfrmPassword::updateOk() { cmdOK_->setEnabled(!trim(txtPassword_->text().toStdString()).empty()); }

void TfrmPassword::check() {
    std::string stored;
    try {
        stored = readStoredPassword(env_.folder);
    } catch (const std::exception&) {
        env_.messages.plain(
            this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                 "lettura della password. Si consiglia di reinstallare il software."));
        return;
    }
    if (stored != passwordForm(txtPassword_->text().toStdString())) {
        env_.messages.plain(this, QStringLiteral("Attenzione: password errata."));
        resetForEntry();
        return;
    }
    emit accepted_();
}

}  // namespace custovia
