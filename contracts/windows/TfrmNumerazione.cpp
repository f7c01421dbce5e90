#include "contracts/windows/TfrmNumerazione.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "archive/ini_file.h"
#include "archive/windows/FieldBehaviour.h"
#include "contracts/contract_card.h"
#include "contracts/contracts.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

// The two instructions, in a framed panel standing for the window's picture.
QWidget* instructions(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("imgIstruzioni"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setStyleSheet(QStringLiteral("#imgIstruzioni { background: white; }"));
    auto* first =
        new QLabel(QStringLiteral("Utilizzare la presente funzione se si vuole far partire la "
                                  "numerazione automatica dei documenti da un numero superiore a 1."),
                   panel);
    first->setObjectName(QStringLiteral("lblIstruzione1"));
    auto* second =
        new QLabel(QStringLiteral("Attenzione: per sfruttare la numerazione automatica bisogna premere "
                                  "il pulsante Nuovo prima di compilare il documento."),
                   panel);
    second->setObjectName(QStringLiteral("lblIstruzione2"));
    second->setStyleSheet(QStringLiteral("color: red;"));
    auto* column = new QVBoxLayout(panel);
    for (QLabel* label : {first, second}) {
        label->setWordWrap(true);
        column->addWidget(label);
    }
    return panel;
}

}  // namespace

TfrmNumerazione::TfrmNumerazione(Environment& env, QWidget* parent, const QString& modeTag)
    : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmNumerazione"));
    setWindowTitle(QStringLiteral(" Impostazione inizio numerazione contratti"));
    lblMemory_ = new QLabel(modeTag, this);
    lblMemory_->setObjectName(QStringLiteral("lblMemory"));
    lblMemory_->hide();

    auto* frame = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    frame->setObjectName(QStringLiteral("fraInizio"));
    txtInizio_ = new QLineEdit(QStringLiteral("1"), frame);
    txtInizio_->setObjectName(QStringLiteral("txtInizio"));
    txtInizio_->setMaxLength(5);
    txtInizio_->setFixedWidth(90);
    txtInizio_->setAlignment(Qt::AlignCenter);
    setCaption(txtInizio_, QStringLiteral("Inizia numerazione da:"));
    makeDigitsOnly(txtInizio_);
    auto* inside = new QHBoxLayout(frame);
    inside->setContentsMargins(16, 16, 16, 16);
    inside->addStretch();
    inside->addWidget(txtInizio_);
    inside->addStretch();
    addHighlightFrame(txtInizio_, QStringLiteral("effInizio"));
    txtInizio_->installEventFilter(this);

    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* applica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    applica->setObjectName(QStringLiteral("btnApplica"));
    onEnter(txtInizio_, [applica] { applica->setFocus(Qt::OtherFocusReason); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(annulla);
    buttons->addWidget(applica);
    auto* column = new QVBoxLayout(this);
    column->addWidget(instructions(this));
    column->addWidget(frame);
    column->addLayout(buttons);
    makeFixedWindow(this, QSize(420, 270), true);

    connect(applica, &QPushButton::clicked, this, &TfrmNumerazione::apply);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmNumerazione::forContracts() const { return lblMemory_->text() == toQString(kContractsTag); }

void TfrmNumerazione::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (forContracts()) {
        std::string start;
        try {
            start = readIniString(env_.file(kContractSettingsFile), kNumberingSection, kNumberingStartKey);
        } catch (const ArchiveError&) {
            // an unreadable settings file reads as a missing one
        }
        // a value the window cannot hold reads as New reads it
        txtInizio_->setText(QString::number(contractStartNumber(start)));
    }
    if (txtInizio_->text().trimmed().isEmpty()) txtInizio_->setText(QStringLiteral("1"));
    txtInizio_->setFocus(Qt::OtherFocusReason);
}

bool TfrmNumerazione::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtInizio_ && event->type() == QEvent::FocusOut) leaveStart();
    return QDialog::eventFilter(watched, event);
}

void TfrmNumerazione::leaveStart() {
    txtInizio_->setText(QString::fromStdString(normaliseStartNumber(txtInizio_->text().toStdString())));
}

void TfrmNumerazione::apply() {
    leaveStart();  // what is stored is what leaving the field makes of it
    if (forContracts()) {
        try {
            writeIniString(env_.file(kContractSettingsFile), kNumberingSection, kNumberingStartKey,
                           txtInizio_->text().trimmed().toStdString(), env_.files);
        } catch (const ArchiveError&) {
            env_.messages.warning(
                this, notStoredMessage(QStringLiteral("memorizzare il numero iniziale dei contratti")));
        }
    }
    accept();
}

}  // namespace custovia
