#include "clients/windows/TfrmPrivacy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "archive/block_file.h"
#include "archive/ini_file.h"
#include "archive/spreadsheet_export.h"
#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"
#include "clients/privacy.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

enum class Kind { Plain, Digits, UpperTrimmed, Province };

struct FormField {
    const char* name;
    const char* caption;  // empty for a province box, which sits beside its town
    int limit;            // 0: none
    Kind kind = Kind::Plain;
};

// In the Enter order; the firm's fields first.
constexpr FormField kFirm[] = {
    {"txtStudioDent", "Impresa:", 250},
    {"txtTelDent", "Rappresentante legale:", 250},
    {"txtIvaDent", "Partita IVA:", 11, Kind::Digits},
    {"txtCodFiscDent", "C.F.", 16, Kind::UpperTrimmed},
    {"txtCittaDent", "Comune sede legale:", 120},
    {"txtProvDent", "", 2, Kind::Province},
    {"txtIndirizzoDent", "Via e numero civico:", 250},
    {"txtCapDent", "CAP:", 5},
};
constexpr FormField kClient[] = {
    {"txtPaziente", "Cliente:", 0},
    {"txtComuneNasc", "Comune di nascita:", 0},
    {"txtProvNasc", "", 2, Kind::Province},
    {"txtDataNasc", "Data di nascita:", 0},
    {"txtCodFisc", "C.F.", 0, Kind::UpperTrimmed},
    {"txtComuneRes", "Comune di residenza:", 0},
    {"txtProvRes", "", 2, Kind::Province},
    {"txtIndirizzo", "Via e numero civico:", 0},
    {"txtCapRes", "CAP:", 0},
    {"txtRecapito", "Tel.", 0},
};
constexpr FormField kClosing[] = {
    {"txtPrivacy", "Titolare Privacy:", 0},
    {"txtData", "Data:", 10},
    {"txtLuogo", "Luogo:", 120},
};

const QString kWriteFailure = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i "
    "dati.\n\r\n\rAccertarsi che il documento non sia già "
    "aperto.");
const QString kSettingsFailure = QStringLiteral(
    "Attenzione: il sistema non permette di salvare i dati "
    "dell'impresa.\n\r\n\rAccertarsi di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");

}  // namespace

TfrmPrivacy::TfrmPrivacy(Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmPrivacy"));
    setWindowTitle(QStringLiteral(" Esporta e stampa Modulo Privacy"));
    buildFields();
    removeDefaultButtons(this);
    makeFixedWindow(this, QSize(760, 600), true);
}

void TfrmPrivacy::buildFields() {
    auto* layout = new QVBoxLayout(this);
    std::vector<QWidget*> ring;
    const auto section = [&](const QString& title, const FormField* begin, const FormField* end) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(1, 1);
        int row = 0;
        for (const FormField* f = begin; f != end; ++f) {
            const QString name = QString::fromLatin1(f->name);
            QWidget* control = nullptr;
            if (f->kind == Kind::Province) {
                auto* combo = new QComboBox(box);
                makeProvinceList(combo);
                combo->setAccessibleName(QStringLiteral("Provincia"));
                combo->setMaximumWidth(80);
                control = combo;
                // beside the town above it
                auto* label = new QLabel(QStringLiteral("Prov."), box);
                label->setBuddy(combo);
                grid->addWidget(label, row - 1, 2);
                grid->addWidget(combo, row - 1, 3);
            } else {
                auto* edit = new QLineEdit(box);
                makeSingleLine(edit);
                if (f->limit > 0) edit->setMaxLength(f->limit);
                if (f->kind == Kind::Digits) makeDigitsOnly(edit);
                if (f->kind == Kind::UpperTrimmed) makeUpperTrimmed(edit);
                auto* label = new QLabel(QString::fromUtf8(f->caption), box);
                label->setBuddy(edit);
                setCaption(edit, label->text());
                grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
                grid->addWidget(edit, row, 1);
                control = edit;
                ++row;
            }
            control->setObjectName(name);
            fields_.insert(name, control);
            ring.push_back(control);
        }
        layout->addWidget(box);
    };
    section(QStringLiteral("Dati dell'impresa"), std::begin(kFirm), std::end(kFirm));
    section(QStringLiteral("Dati del cliente"), std::begin(kClient), std::end(kClient));
    section(QStringLiteral("Titolare del trattamento, data e luogo"), std::begin(kClosing),
            std::end(kClosing));
    installEnterRing(ring);

    auto* btnRTF = new QPushButton(QStringLiteral("Crea file RTF"), this);
    btnRTF->setObjectName(QStringLiteral("btnRTF"));
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnRTF, &QPushButton::clicked, this, &TfrmPrivacy::createDocument);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmPrivacy::closeAndStore);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnRTF);
    buttons->addWidget(btnChiudi);
    layout->addLayout(buttons);
}

QString TfrmPrivacy::fieldText(const QString& name) const {
    QWidget* c = fields_.value(name);
    if (auto* edit = qobject_cast<QLineEdit*>(c)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentText();
    return {};
}

void TfrmPrivacy::setFieldText(const QString& name, const QString& text) {
    QWidget* c = fields_.value(name);
    if (auto* edit = qobject_cast<QLineEdit*>(c)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
        combo->setEditText(text);
    }
}

void TfrmPrivacy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    readSettings();
    fields_.value(QStringLiteral("txtStudioDent"))->setFocus(Qt::OtherFocusReason);
}

void TfrmPrivacy::readSettings() {
    const std::filesystem::path file = env_.file(kPrivacySettingsFile);
    for (const PrivacySetting& s : privacySettings()) {
        std::string value;
        try {
            value = readIniString(file, kPrivacySection, s.key);
        } catch (const ArchiveError&) {
            // an unreadable settings file starts the firm's fields empty, like a
            // missing one
        }
        setFieldText(toQString(s.field), QString::fromStdString(value));
    }
}

void TfrmPrivacy::closeAndStore() {
    commitEditing(this);
    const std::filesystem::path file = env_.file(kPrivacySettingsFile);
    IniValues firm;
    for (const PrivacySetting& s : privacySettings())
        firm.emplace_back(std::string(s.key), trim(fieldText(toQString(s.field)).toStdString()));
    try {
        writeIniStrings(file, kPrivacySection, firm, env_.files);
    } catch (const ArchiveError&) {
        // the window closes all the same; the document already written stays as it
        // is
        env_.messages.warning(this, kSettingsFailure);
    }
    accept();
}

void TfrmPrivacy::createDocument() {
    commitEditing(this);
    if (!env_.messages.question(this,
                                QStringLiteral("Questa procedura esporterà il modulo per il consenso al "
                                               "trattamento dei dati personali in un documento in formato "
                                               "RTF.\r\n\r\nSi conferma la creazione del file?")))
        return;
    const std::string document = privacyDocument(
        [this](std::string_view control) { return fieldText(toQString(control)).toStdString(); });
    const std::filesystem::path file = env_.file(kPrivacyDocumentFile);
    try {
        writeExportFile(file, document, env_.files);
    } catch (const ExportError&) {
        env_.messages.plain(this, kWriteFailure);
        return;
    }
    if (env_.messages.question(this,
                               QStringLiteral("Il file del modulo per il trattamento dei dati personali è "
                                              "stato creato con successo.\r\n\r\nSi vuole aprire il "
                                              "documento?")))
        env_.shell.open(quotedPath(file));
}

}  // namespace custovia
