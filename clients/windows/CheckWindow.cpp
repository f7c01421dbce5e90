#include "clients/windows/CheckWindow.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <memory>

#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/qt_text.h"
#include "clients/windows/TfrmCarta.h"
#include "clients/windows/TfrmCodFisc.h"
#include "clients/windows/TfrmIban.h"
#include "clients/windows/TfrmPartitaIva.h"

namespace custovia {
namespace {

const QString kLogo = pictureResource("check_logo");

QPushButton* addButton(QWidget* window, const char* name, const QString& text) {
    auto* button = new QPushButton(text, window);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

}  // namespace

CheckWindow::CheckWindow(Environment& env, QWidget* parent, const QString& callerText,
                         const CheckWindowSetup& setup)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      env_(env),
      check_(setup.check) {
    setObjectName(QString::fromUtf8(setup.windowName));
    setWindowTitle(QString::fromUtf8(setup.caption));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    if (QFile::exists(kLogo)) logo->setPixmap(QIcon(kLogo).pixmap(64, 64));
    auto* title = new QLabel(QString::fromUtf8(setup.title), this);
    title->setObjectName(QStringLiteral("lblTitolo"));
    input_ = new QLineEdit(this);
    input_->setObjectName(QString::fromUtf8(setup.inputName));
    input_->setMaxLength(setup.maxLength);
    title->setBuddy(input_);
    setCaption(input_, title->text());
    QPushButton* btnControlla = addButton(this, "btnControlla", QStringLiteral("Controlla"));
    QPushButton* btnChiudi = addButton(this, "btnChiudi", QStringLiteral("Chiudi"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnControlla);
    buttons->addWidget(btnChiudi);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1);
    grid->addWidget(input_, 1, 1);
    grid->addLayout(buttons, 2, 1);

    // the field shows from the start the form it keeps while typing
    const std::string trimmed = trim(callerText.toStdString());
    input_->setText(QString::fromStdString(setup.upperTrimmed ? asciiUpper(trimmed) : trimmed));
    if (setup.upperTrimmed) makeUpperTrimmed(input_);
    if (setup.digitKeys) makeDigitsOnly(input_);
    // Enter only leads to "Controlla": the check runs when the button is pressed
    onEnter(input_, [btnControlla] { btnControlla->setFocus(Qt::TabFocusReason); });
    connect(btnControlla, &QPushButton::clicked, this, &CheckWindow::runCheck);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    makeFixedWindow(this, sizeHint(), true);
}

void CheckWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    input_->setFocus(Qt::OtherFocusReason);
}

void CheckWindow::runCheck() {
    const CheckResult result = check_(input_->text().toStdString());
    const QString text = QString::fromStdString(result.message);
    if (result.kind == CheckKind::Information)
        env_.messages.information(this, text);
    else
        env_.messages.warning(this, text);
    if (result.keepOpen)
        input_->setFocus(Qt::OtherFocusReason);
    else
        accept();
}

void openCheck(Environment& env, QWidget* owner, Check check, const QString& fieldText) {
    const std::string trimmed = trim(fieldText.toStdString());
    const QString text = QString::fromStdString(trimmed);
    std::unique_ptr<CheckWindow> window;
    switch (checkFor(check, trimmed)) {
        case Check::TaxCode:
            window = std::make_unique<TfrmCodFisc>(env, owner, text);
            break;
        case Check::VatNumber:
            window = std::make_unique<TfrmPartitaIva>(env, owner, text);
            break;
        case Check::PaymentCard:
            window = std::make_unique<TfrmCarta>(env, owner, text);
            break;
        case Check::Iban:
            window = std::make_unique<TfrmIban>(env, owner, text);
            break;
    }
    window->exec();
}

Companion checkButton(Check check, const QString& field, const QString& nameEnding,
                      const QString& captionEnding) {
    struct Look {
        const char* name;
        const char* caption;
        const char* hint;
    };
    static const std::map<Check, Look> kLooks{
        {Check::TaxCode, {"btnCodFisc", "Controlla codice fiscale", "Controlla il codice fiscale."}},
        {Check::VatNumber, {"btnPartitaIva", "Controlla partita IVA", "Controlla il numero di partita IVA."}},
        {Check::PaymentCard,
         {"btnCarta", "Controlla carta di credito", "Controlla il numero di carta di credito."}},
        {Check::Iban, {"btnIban", "Controlla IBAN", "Controlla l'IBAN."}},
    };
    const Look& look = kLooks.at(check);
    const std::string_view action = checkName(check);
    return {field,
            QString::fromUtf8(look.name) + nameEnding,
            CompanionKind::Picture,
            QStringLiteral("controlla"),
            QString::fromUtf8(look.caption) + captionEnding,
            QString::fromUtf8(look.hint),
            QString::fromUtf8(action.data(), qsizetype(action.size()))};
}

}  // namespace custovia
