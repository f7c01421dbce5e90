#include "contracts/windows/TfrmContratto.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QToolButton>

#include "archive/ini_file.h"
#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/TfrmAllegaCartella.h"
#include "clients/client_lists.h"
#include "clients/windows/TfrmCodFisc.h"
#include "clients/windows/TfrmPartitaIva.h"
#include "clients/windows/TfrmTrovaClienti.h"
#include "contracts/contract_card.h"
#include "contracts/contracts.h"
#include "contracts/windows/TfrmAnteprimaCon.h"
#include "contracts/windows/TfrmExpContratti.h"
#include "contracts/windows/TfrmLogo.h"
#include "contracts/windows/TfrmNumerazione.h"
#include "contracts/windows/TfrmStampaCon.h"
#include "contracts/windows/TfrmTrovaContratti.h"

namespace custovia {
namespace {

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The card's framed sections, in the order the card shows them.
const QString kFirm = QStringLiteral("Istituto di Vigilanza");
const QString kHeader = QStringLiteral("Contratto");
const QString kClient = QStringLiteral("Cliente");
const QString kTerms = QStringLiteral("Sito vigilato e condizioni del contratto");
const QString kIncluded = QStringLiteral(
    "ATTIVITA' COMPRESE NEL CONTRATTO (es. vigilanza fissa, vigilanza ispettiva con rondaggio, "
    "televigilanza):");
const QString kExcluded = QStringLiteral(
    "ATTIVITA' ESCLUSE DAL CONTRATTO (es. ispezioni all'interno dei locali, interventi al di fuori degli "
    "orari contrattuali):");

const QStringList kFrequencies = {"Giornaliera", "Settimanale", "Bisettimanale", "Mensile"};
// "Tarriffa oraria" is the wording users know from their earlier contracts
const QStringList kPeriods = {"Mensile", "Bimestrale",      "Trimestrale",           "Semestrale",
                              "Annuale", "Tarriffa oraria", "Tariffa per intervento"};

const QString kDuplicateNew = QStringLiteral(
    "Attenzione: questa funzione serve a duplicare un contratto che è già stato salvato in "
    "archivio.\n\r\n\rVisualizzare il contratto da duplicare e fare clic sul pulsante Duplica.");
const QString kDuplicateReady = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine premere Salva "
    "per inserire in archivio il nuovo contratto.");

CardField field(const char* name, const char* caption, const QString& section, int row, int column,
                int span = 1, unsigned rules = Highlight) {
    return {name, caption, FieldControl::Edit, rules, row, column, span, section, {}};
}

CardField province(const char* name, const QString& section, int row, int column) {
    return {name, "Prov.", FieldControl::Province, Highlight, row, column, 1, section, {}};
}

// The fee as it reads once left, and before Save stores it.
QString normalisedFee(const QString& typed) { return qt(normaliseFee(typed.toStdString())); }

std::vector<CardField> contractFields() {
    const unsigned upper = Highlight | UpperCase;
    const unsigned digits = Highlight | DigitsOnly;
    std::vector<CardField> f{
        field("txtDitta", "Istituto di Vigilanza:", kFirm, 0, 0, 3),
        field("txtPartitaIva", "Partita IVA:", kFirm, 1, 0, 1, digits),
        field("txtCodFisc", "Codice fiscale:", kFirm, 1, 1, 2, upper),
        field("txtSede", "Città sede legale:", kFirm, 2, 0),
        province("txtProvRes", kFirm, 2, 1),
        field("txtCapRes", "CAP:", kFirm, 2, 2),
        field("txtVia", "Via e numero civico:", kFirm, 3, 0, 3),
        field("txtTelUff", "Telefono:", kFirm, 4, 0),
        field("txtTelCel", "PEC:", kFirm, 4, 1, 2),
        field("txtFax", "Responsabile legale:", kFirm, 5, 0, 3),
        field("txtNumContratto", "CONTRATTO N.", kHeader, 0, 0),
        field("txtData", "Data stipula:", kHeader, 1, 0),
        field("txtLuogo", "Luogo stipula:", kHeader, 2, 0),
        field("txtCliente", "Cliente:", kClient, 0, 0, 3),
        field("txtComuneCli", "Comune di residenza:", kClient, 1, 0),
        province("txtProvCli", kClient, 1, 1),
        field("txtCapCli", "CAP:", kClient, 1, 2, 1, Highlight | DigitWidth),
        field("txtPartitaIvaCli", "Partita IVA:", kClient, 2, 0, 1, digits),
        field("txtCodFiscCli", "Codice fiscale:", kClient, 2, 1, 2, upper),
        field("txtViaCli", "Via e numero civico:", kClient, 3, 0, 3),
        field("txtTelCli", "Telefono:", kClient, 4, 0),
        field("txtQualitaCli", "Frequenza ispezioni:", kClient, 4, 1, 2, NoRule),
        field("txtTipoImpianto", "Tipo sito vigilato:", kTerms, 0, 0),
        field("txtMarca", "Ubicazione sito:", kTerms, 0, 1, 2),
        field("txtMatricola", "Durata contratto:", kTerms, 1, 0),
        field("txtAlimentazione", "Cadenza reportistica:", kTerms, 1, 1, 2),
        field("txtAnnoCostruz", "Foro competente:", kTerms, 2, 0),
        field("txtCaratteristiche", "Condizioni per recesso:", kTerms, 2, 1, 2),
        field("txtUbicazione", "Polizza assicurativa:", kTerms, 3, 0, 3),
        field("txtDurata", "Orari ispezioni:", kTerms, 4, 0),
        field("txtTotale", "Durata media:", kTerms, 4, 1, 2),
        field("txtPeriodicita", "Periodicità canone:", kTerms, 5, 0, 1, NoRule),
        {"txtImpCanone", "Importo canone:", FieldControl::Edit, Highlight | DigitWidth, 5, 1, 2, kTerms,
         normalisedFee},
        field("txtPagamento", "Modalità di pagamento:", kTerms, 6, 0, 3),
    };
    for (int i = 1; i <= 4; ++i) {
        const QByteArray name = QStringLiteral("txtOpInc%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        const QByteArray caption = QStringLiteral("%1.").arg(i).toLatin1();
        f.push_back(field(name.constData(), caption.constData(), kIncluded, i - 1, 0, 3));
    }
    for (int i = 1; i <= 4; ++i) {
        const QByteArray name = QStringLiteral("txtOpEsc%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        const QByteArray caption = QStringLiteral("%1.").arg(i).toLatin1();
        f.push_back(field(name.constData(), caption.constData(), kExcluded, i - 1, 0, 3));
    }
    for (const QString& name : kAttachmentLabels)
        f.push_back({name, "", FieldControl::Hidden, NoRule, 0, 0, 1, {}, {}});
    return f;
}

CardConfig contractCard() {
    CardConfig c;
    c.objectName = QStringLiteral("TfrmContratto");
    c.caption = QStringLiteral(" Custovia - Stesura Contratti");
    c.areaTag = qt(kContractsTag);
    c.archiveFile = std::string(kContractsFile);
    c.layout = &contractLayout();
    c.fields = contractFields();
    c.enterOrder = {
        "txtDitta",         "txtPartitaIva",  "txtCodFisc",         "txtSede",       "txtProvRes",
        "txtCapRes",        "txtVia",         "txtTelUff",          "txtTelCel",     "txtFax",
        "txtNumContratto",  "txtData",        "txtLuogo",           "txtCliente",    "txtComuneCli",
        "txtProvCli",       "txtCapCli",      "txtPartitaIvaCli",   "txtCodFiscCli", "txtViaCli",
        "txtTelCli",        "txtQualitaCli",  "txtTipoImpianto",    "txtMarca",      "txtMatricola",
        "txtAlimentazione", "txtAnnoCostruz", "txtCaratteristiche", "txtUbicazione", "txtDurata",
        "txtTotale",        "txtPeriodicita", "txtImpCanone",       "txtPagamento",  "txtOpInc01",
        "txtOpInc02",       "txtOpInc03",     "txtOpInc04",         "txtOpEsc01",    "txtOpEsc02",
        "txtOpEsc03",       "txtOpEsc04"};
    for (const RequiredText& r : contractSaveChecks()) c.required.push_back({qt(r.field), qt(r.warning)});
    c.toolbar = {
        {"cmdNuovo", "nuovo", "Nuovo contratto",
         "Predispone la schermata per l'emissione di un nuovo contratto."},
        {"cmdDuplica", "duplica", "Duplica contratto",
         "Prepara la schermata per la registrazione di un nuovo contratto duplicando i dati correnti."},
        {"cmdSalva", "salva", "Salva", "Salva o aggiorna il contratto corrente."},
        {"cmdTrova", "trova", "Trova", "Trova un contratto in archivio."},
        {"cmdAllega", "allega", "Allega file", "Allega file al contratto corrente."},
        {"cmdImporta", "importa", "Importa cliente", "Importa i dati del cliente dall'archivio anagrafico."},
        {"cmdAnteprima", "anteprima", "Anteprima di stampa",
         "Visualizza l'anteprima di stampa del contratto corrente."},
        {"cmdStampa", "stampa", "Stampa", "Stampa il contratto corrente."},
        {"cmdPrimo", "primo", "Primo contratto", "Visualizza il primo contratto in archivio."},
        {"cmdIndietro", "indietro", "Contratto precedente",
         "Visualizza il contratto precedente in archivio."},
        {"lblPosizione", "", "", ""},
        {"cmdAvanti", "avanti", "Contratto successivo", "Visualizza il contratto successivo in archivio."},
        {"cmdUltimo", "ultimo", "Ultimo contratto", "Visualizza l'ultimo contratto in archivio."},
        {"cmdNumerazione", "numerazione", "Numerazione",
         "Imposta il numero iniziale per la numerazione dei contratti."},
        {"cmdEsporta", "esporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdGuida", "guida", "Guida", "Visualizza la pagina della guida in linea sensibile al contesto."},
        {"cmdEsci", "esci", "Esci", "Esci dalla schermata di lavoro corrente."},
    };
    c.firstField = QStringLiteral("txtCliente");
    c.duplicateReachesArchive = true;
    c.duplicateKeepsAttachments = true;
    c.duplicateRefused = kDuplicateNew;
    c.duplicateReady = kDuplicateReady;
    c.initialHint = QStringLiteral("Pronto per stampare una nuova tessera...");
    c.help = HelpTopic::Contracts;
    return c;
}

// The list selection of a combo is cleared each time the field takes the focus; the text stays.
class SelectionClearer final : public QObject {
public:
    explicit SelectionClearer(QComboBox* combo) : QObject(combo), combo_(combo) {
        combo->installEventFilter(this);
        combo->lineEdit()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && combo_->currentIndex() >= 0) {
            const QString text = combo_->currentText();
            combo_->setCurrentIndex(-1);
            combo_->setEditText(text);
        }
        return false;
    }

private:
    QComboBox* combo_;
};

// Turns a card's line edit into an editable combo offering a list; the line edit stays the
// card's control, so reading, writing and the leaving rules work on it as before.
QComboBox* offerList(QWidget* edit, const QStringList& choices) {
    auto* line = qobject_cast<QLineEdit*>(edit);
    auto* combo = new QComboBox(edit->parentWidget());
    combo->setObjectName(edit->objectName());
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setAccessibleName(edit->accessibleName());
    // the combo takes the edit's width; the edit gives up its own, so the arrow stays in view
    combo->setFixedWidth(edit->maximumWidth());
    if (QLayout* layout = edit->parentWidget()->layout()) delete layout->replaceWidget(edit, combo);
    const int limit = line->maxLength();
    line->setMinimumWidth(0);
    line->setMaximumWidth(QWIDGETSIZE_MAX);
    combo->setLineEdit(line);
    line->setMaxLength(limit);
    combo->addItems(choices);
    combo->setCurrentIndex(-1);
    for (QLabel* caption : combo->parentWidget()->findChildren<QLabel*>())
        if (caption->buddy() == edit) caption->setBuddy(combo);
    new SelectionClearer(combo);
    // the combo hands its keys to the edit past the edit's filters: Enter is sent through them,
    // so that it moves on in the Enter ring as from any other field
    onEnter(combo, [line] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(line, &enter);
    });
    addHighlightFrame(combo, QStringLiteral("eff") + combo->objectName().mid(3));
    return combo;
}

}  // namespace

TfrmContratto::TfrmContratto(Environment& env, QWidget* parent) : CardEditor(env, contractCard(), parent) {
    env.windows.add(qt(kContractImportTag), this);
    addCompanions();
    wireWindows();
    watchFirmFields();
}

QString TfrmContratto::today() const { return qt(formatDate(env().clock.now())); }

void TfrmContratto::addCompanions() {
    // fixed lists for the inspection frequency and the fee's period; any text is accepted
    offerList(control(QStringLiteral("txtQualitaCli")), kFrequencies);
    offerList(control(QStringLiteral("txtPeriodicita")), kPeriods);

    auto* fee = qobject_cast<QLineEdit*>(control(QStringLiteral("txtImpCanone")));
    fee->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makeAmountKeys(fee);

    auto* btnData =
        new PictureButton(QStringLiteral("btnData"), QStringLiteral(":/templates/pictures/avanti.svg"),
                          QStringLiteral("Data corrente"), QStringLiteral("Inserisci la data corrente."),
                          control(QStringLiteral("txtData"))->parentWidget(), {24, 24});
    connect(btnData, &QToolButton::clicked, this,
            [this] { setFieldText(QStringLiteral("txtData"), today()); });
    addBeside(QStringLiteral("txtData"), btnData);

    struct Check {
        const char* button;
        const char* field;
        const char* name;
        const char* hint;
    };
    for (const Check c :
         {Check{"btnPartitaIva", "txtPartitaIva", "Controlla partita IVA",
                "Controlla il numero di partita IVA."},
          {"btnCodFisc", "txtCodFisc", "Controlla codice fiscale", "Controlla il codice fiscale."},
          {"btnPartitaIvaCli", "txtPartitaIvaCli", "Controlla partita IVA del cliente",
           "Controlla il numero di partita IVA."},
          {"btnCodFiscCli", "txtCodFiscCli", "Controlla codice fiscale del cliente",
           "Controlla il codice fiscale."}}) {
        auto* button = new PictureButton(c.button, QStringLiteral(":/templates/pictures/controlla.svg"),
                                         c.name, c.hint, control(c.field)->parentWidget(), {24, 24});
        connect(button, &QToolButton::clicked, this, [this, field = QString(c.field)] { checkCode(field); });
        addBeside(c.field, button);
    }

    auto* cmdLogo = new PictureButton(
        QStringLiteral("cmdLogo"), QStringLiteral(":/templates/pictures/pulsante_logo.svg"),
        QStringLiteral("Logo"), QStringLiteral("Carica il logo dell'Istituto di Vigilanza."),
        control(QStringLiteral("txtDitta"))->parentWidget(), {120, 74});
    // over the firm's six rows, right after its widest field: the column after the three
    // columns of caption and control, which takes the room left
    const int afterFields = 6;
    sectionGrid(kFirm)->addWidget(cmdLogo, 0, afterFields, 6, 1, Qt::AlignLeft | Qt::AlignVCenter);
    hintLine()->attach(cmdLogo, cmdLogo->hint());
    connect(cmdLogo, &QToolButton::clicked, this, [this] {
        TfrmLogo window(env(), this);
        window.exec();
    });

    if (auto* print = qobject_cast<QToolButton*>(toolbarButton(QStringLiteral("cmdStampa")))) {
        print->setText(QStringLiteral("Stampa"));
        print->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        print->setFixedWidth(110);
    }
}

void TfrmContratto::wireWindows() {
    setAction(QStringLiteral("cmdNuovo"), [this] { newContract(); });
    setAction(QStringLiteral("cmdSalva"), [this] { saveContract(); });
    setAction(QStringLiteral("cmdTrova"), [this] {
        TfrmTrovaContratti window(env(), this);
        window.setModeTag(config().areaTag);
        window.exec();
    });
    setAction(QStringLiteral("cmdAllega"), [this] {
        TfrmAllegaCartella window(env(), this, config().areaTag);
        window.exec();
    });
    setAction(QStringLiteral("cmdStampa"), [this] {
        TfrmStampaCon window(this, env(), screenValues());
        window.exec();
    });
    setAction(QStringLiteral("cmdAnteprima"), [this] {
        TfrmAnteprimaCon window(this, env(), screenValues());
        window.exec();
    });
    setAction(QStringLiteral("cmdNumerazione"), [this] {
        TfrmNumerazione window(env(), this, config().areaTag);
        window.exec();
    });
    setAction(QStringLiteral("cmdEsporta"), [this] {
        TfrmExpContratti window(env(), this);
        window.exec();
    });
    // the client search copies the chosen client into the card registered under "contratto"
    setAction(QStringLiteral("cmdImporta"), [this] {
        TfrmTrovaClienti window(env(), qt(kContractImportTag), this);
        window.exec();
    });
}

void TfrmContratto::watchFirmFields() {
    // every change of a firm's field is the firm's current data, however the text came in
    // (typing, a paste from the context menu, an input method, a screen reader), except the
    // change that puts an archived contract on screen
    for (const FirmSetting& s : firmSettings()) {
        const QString name = qt(s.field);
        QWidget* c = control(name);
        auto remember = [this, name] {
            if (!showingRecord()) firm_.insert(name, fieldText(name));
        };
        if (auto* combo = qobject_cast<QComboBox*>(c)) c = combo->lineEdit();
        if (auto* edit = qobject_cast<QLineEdit*>(c)) connect(edit, &QLineEdit::textChanged, this, remember);
    }
}

void TfrmContratto::readFirmData() {
    firm_.clear();
    for (const FirmSetting& s : firmSettings()) {
        std::string value;
        try {
            value = readIniString(env().file(kContractSettingsFile), kFirmSection, s.key);
        } catch (const ArchiveError&) {
            // an unreadable settings file starts the firm's data empty, like a missing one
        }
        firm_.insert(qt(s.field), qt(value));
    }
}

void TfrmContratto::putFirmDataOnCard() {
    for (const FirmSetting& s : firmSettings()) setFieldText(qt(s.field), firm_.value(qt(s.field)));
}

void TfrmContratto::prepareShow() {
    readFirmData();
    putFirmDataOnCard();
    setFieldText(QStringLiteral("txtNumContratto"), QString());
    newCard();
}

bool TfrmContratto::keptOnNew(const QString& field) const {
    if (field == QLatin1String("txtNumContratto")) return true;
    for (const FirmSetting& s : firmSettings())
        if (field == qt(s.field)) return true;
    return false;
}

void TfrmContratto::presetNew() {
    setFieldText(QStringLiteral("txtData"), today());
    setFieldText(QStringLiteral("txtImpCanone"), QStringLiteral("0,00"));
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        const QString text = combo->currentText();
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

void TfrmContratto::newContract() {
    std::string start;
    try {
        start = readIniString(env().file(kContractSettingsFile), kNumberingSection, kNumberingStartKey);
    } catch (const ArchiveError&) {
        // an unreadable settings file numbers from 1, like a missing one
    }
    std::uint64_t archived = 0;
    try {
        archived = archive().count();
    } catch (const ArchiveError&) {
        env().messages.error(this, archiveAccessMessage());
        return;
    }
    newCard();  // the firm's data stay on screen as they are
    setFieldText(QStringLiteral("txtNumContratto"), qt(proposedContractNumber(start, archived)));
    setFieldText(QStringLiteral("txtData"), today());
    focusField(QStringLiteral("txtCliente"));
}

void TfrmContratto::saveContract() {
    commitEditing();  // the field being edited (the fee, say) runs its leaving rule first
    const CardValues card = screenValues();
    if (const RequiredText* missing = firstMissing(contractSaveChecks(), card)) {
        env().messages.warning(this, qt(missing->warning));
        focusField(qt(missing->field));
        return;
    }
    // the date is stored as typed, once it names a day that exists
    if (!isValidContractDate(trim(card("txtData")))) {
        env().messages.warning(this, qt(kContractDateWarning));
        focusField(QStringLiteral("txtData"));
        return;
    }
    save();
}

void TfrmContratto::presetDuplicate() {
    // a renewal: a new number is asked at Save, signed today; everything else stays, the
    // attachments included, as the renewal refers to the same files
    setFieldText(QStringLiteral("txtNumContratto"), QString());
    setFieldText(QStringLiteral("txtData"), today());
}

void TfrmContratto::checkCode(const QString& field) {
    const QString text = fieldText(field).trimmed();
    const bool taxCode = field.startsWith(QLatin1String("txtCodFisc"));
    // a tax code of digits alone is a company's VAT number
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (taxCode && !digits) {
        TfrmCodFisc window(env(), this, text);
        window.exec();
    } else {
        TfrmPartitaIva window(env(), this, text);
        window.exec();
    }
}

void TfrmContratto::beforeLeaving() {
    IniValues firm;
    for (const FirmSetting& s : firmSettings())
        firm.emplace_back(std::string(s.key), trim(firm_.value(qt(s.field)).toStdString()));
    try {
        writeIniStrings(env().file(kContractSettingsFile), kFirmSection, firm, env().files);
    } catch (const ArchiveError&) {
        env().messages.warning(
            this, notStoredMessage(QStringLiteral("memorizzare i dati dell'Istituto di Vigilanza")));
    }
}

CardValues TfrmContratto::screenValues() const {
    return [this](std::string_view field) {
        return fieldText(QString::fromUtf8(field.data(), qsizetype(field.size()))).toStdString();
    };
}

}  // namespace custovia
