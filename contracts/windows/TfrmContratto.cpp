#include "contracts/windows/TfrmContratto.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include "archive/ini_file.h"
#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/TfrmAllegaCartella.h"
#include "archive/windows/qt_text.h"
#include "clients/windows/CheckWindow.h"
#include "clients/client_lists.h"
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

// Free text, with a fixed list to choose from.
CardField choice(const char* name, const char* caption, const QString& section, int row, int column, int span,
                 const QStringList& choices) {
    return {name, caption, FieldControl::Choice, Highlight, row, column, span, section, {}, choices};
}

// The fee as it reads once left, and before Save stores it.
QString normalisedFee(const QString& typed) { return toQString(normaliseFee(typed.toStdString())); }

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
        choice("txtQualitaCli", "Frequenza ispezioni:", kClient, 4, 1, 2, kFrequencies),
        field("txtTipoImpianto", "Tipo sito vigilato:", kTerms, 0, 0),
        field("txtMarca", "Ubicazione sito:", kTerms, 0, 1, 2),
        field("txtMatricola", "Durata contratto:", kTerms, 1, 0),
        field("txtAlimentazione", "Cadenza reportistica:", kTerms, 1, 1, 2),
        field("txtAnnoCostruz", "Foro competente:", kTerms, 2, 0),
        field("txtCaratteristiche", "Condizioni per recesso:", kTerms, 2, 1, 2),
        field("txtUbicazione", "Polizza assicurativa:", kTerms, 3, 0, 3),
        field("txtDurata", "Orari ispezioni:", kTerms, 4, 0),
        field("txtTotale", "Durata media:", kTerms, 4, 1, 2),
        choice("txtPeriodicita", "Periodicità canone:", kTerms, 5, 0, 1, kPeriods),
        {"txtImpCanone", "Importo canone:", FieldControl::Edit, Highlight | DigitWidth, 5, 1, 2, kTerms,
         normalisedFee},
        field("txtPagamento", "Modalità di pagamento:", kTerms, 6, 0, 3),
    };
    // four numbered lines of the activities the contract includes, then four of those it excludes
    for (const auto& [prefix, section] :
         {std::pair{"txtOpInc", kIncluded}, std::pair{"txtOpEsc", kExcluded}}) {
        for (int i = 1; i <= 4; ++i) {
            const QByteArray name =
                (prefix + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'))).toLatin1();
            const QByteArray caption = QStringLiteral("%1.").arg(i).toLatin1();
            f.push_back(field(name.constData(), caption.constData(), section, i - 1, 0, 3));
        }
    }
    for (const QString& name : kAttachmentLabels)
        f.push_back({name, "", FieldControl::Hidden, NoRule, 0, 0, 1, {}, {}});
    return f;
}

CardConfig contractCard() {
    CardConfig c;
    c.objectName = QStringLiteral("TfrmContratto");
    c.areaTag = toQString(kContractsTag);
    c.areaName = QStringLiteral("Stesura Contratti");
    c.otherTags = {toQString(kContractImportTag)};  // the client search brings its client here
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
    c.required = requiredFields(contractSaveChecks());
    c.companions = {
        {"txtData", "btnData", CompanionKind::Picture, "avanti", "Data corrente",
         "Inserisci la data corrente.", "today"},
        checkButton(Check::VatNumber, "txtPartitaIva"),
        checkButton(Check::TaxCode, "txtCodFisc"),
        checkButton(Check::VatNumber, "txtPartitaIvaCli", "Cli", " del cliente"),
        checkButton(Check::TaxCode, "txtCodFiscCli", "Cli", " del cliente"),
    };
    // the contract words its buttons its own way, browse arrows included, but for the hints of
    // Esporta and Esci, which read as on the clients' card
    const CardButtons& registering = cardButtons(CardWording::Registration);
    const ToolbarButton newContract{"cmdNuovo", "nuovo", "Nuovo contratto",
                                    "Predispone la schermata per l'emissione di un nuovo contratto."};
    const ToolbarButton duplicate{
        "cmdDuplica", "duplica", "Duplica contratto",
        "Prepara la schermata per la registrazione di un nuovo contratto duplicando i dati correnti."};
    const ToolbarButton save{"cmdSalva", "salva", "Salva", "Salva o aggiorna il contratto corrente."};
    const ToolbarButton find{"cmdTrova", "trova", "Trova", "Trova un contratto in archivio."};
    const ToolbarButton attach{"cmdAllega", "allega", "Allega file", "Allega file al contratto corrente."};
    const ToolbarButton importClient{"cmdImporta", "importa", "Importa cliente",
                                     "Importa i dati del cliente dall'archivio anagrafico."};
    const ToolbarButton preview{"cmdAnteprima", "anteprima", "Anteprima di stampa",
                                "Visualizza l'anteprima di stampa del contratto corrente."};
    const ToolbarButton print{"cmdStampa", "stampa", "Stampa", "Stampa il contratto corrente."};
    const ToolbarButton numbering{"cmdNumerazione", "numerazione", "Numerazione",
                                  "Imposta il numero iniziale per la numerazione dei contratti."};
    const ToolbarButton exportAll{"cmdEsporta", "esporta", "Esporta", registering.exportAll.hint};
    const ToolbarButton help{"cmdGuida", "guida", "Guida",
                             "Visualizza la pagina della guida in linea sensibile al contesto."};
    const BrowsingButtons arrows{
        {"cmdPrimo", "primo", "Primo contratto", "Visualizza il primo contratto in archivio."},
        {"cmdIndietro", "indietro", "Contratto precedente",
         "Visualizza il contratto precedente in archivio."},
        {"cmdAvanti", "avanti", "Contratto successivo", "Visualizza il contratto successivo in archivio."},
        {"cmdUltimo", "ultimo", "Ultimo contratto", "Visualizza l'ultimo contratto in archivio."},
    };
    c.toolbar =
        toolbarWithBrowsing({newContract, duplicate, save, find, attach, importClient, preview, print},
                            {numbering, exportAll, help, registering.leave}, arrows);
    c.firstField = QStringLiteral("txtCliente");
    c.duplicateReachesArchive = true;
    c.duplicateKeepsAttachments = true;
    c.duplicateRefused = kDuplicateNew;
    c.duplicateReady = kDuplicateReady;
    c.initialHint = QStringLiteral("Pronto per stampare una nuova tessera...");
    c.help = HelpTopic::Contracts;
    return c;
}

}  // namespace

TfrmContratto::TfrmContratto(Environment& env, QWidget* parent) : CardEditor(env, contractCard(), parent) {
    finishCard();
    wireWindows();
    watchFirmFields();
}

QString TfrmContratto::today() const { return toQString(formatDate(env().clock.now())); }

void TfrmContratto::finishCard() {
    auto* fee = qobject_cast<QLineEdit*>(control(QStringLiteral("txtImpCanone")));
    fee->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makeAmountKeys(fee);

    auto* cmdLogo =
        new PictureButton(QStringLiteral("cmdLogo"), pictureResource("pulsante_logo"), QStringLiteral("Logo"),
                          QStringLiteral("Carica il logo dell'Istituto di Vigilanza."),
                          control(QStringLiteral("txtDitta"))->parentWidget(), {120, 74});
    // over the firm's six rows, right after its widest field: the column after the three
    // columns of caption and control, which takes the room left
    const int afterFields = 6;
    sectionGrid(kFirm)->addWidget(cmdLogo, 0, afterFields, 6, 1, Qt::AlignLeft | Qt::AlignVCenter);
    hintLine()->attach(cmdLogo, cmdLogo->hint());
    connect(cmdLogo, &QToolButton::clicked, this, [this] { trigger(QStringLiteral("cmdLogo")); });

    if (auto* print = qobject_cast<QToolButton*>(toolbarButton(QStringLiteral("cmdStampa")))) {
        print->setText(QStringLiteral("Stampa"));
        print->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        print->setFixedWidth(110);
    }
}

void TfrmContratto::wireWindows() {
    setAction(QStringLiteral("cmdNuovo"), [this] { newContract(); });
    setAction(QStringLiteral("today"), [this] { setFieldText(QStringLiteral("txtData"), today()); });
    opensWindow(QStringLiteral("cmdLogo"), [this] { return TfrmLogo(env(), this); });
    opensWindow(
        QStringLiteral("cmdTrova"), [this] { return TfrmTrovaContratti(env(), this); }, config().areaTag);
    opensWindow(QStringLiteral("cmdAllega"),
                [this] { return TfrmAllegaCartella(env(), this, config().areaTag); });
    opensWindow(QStringLiteral("cmdStampa"), [this] { return TfrmStampaCon(this, env(), screenValues()); });
    opensWindow(QStringLiteral("cmdAnteprima"),
                [this] { return TfrmAnteprimaCon(this, env(), screenValues()); });
    opensWindow(QStringLiteral("cmdNumerazione"),
                [this] { return TfrmNumerazione(env(), this, config().areaTag); });
    opensWindow(QStringLiteral("cmdEsporta"), [this] { return TfrmExpContratti(env(), this); });
    // the client search copies the chosen client into the card registered under "contratto"
    opensWindow(QStringLiteral("cmdImporta"),
                [this] { return TfrmTrovaClienti(env(), toQString(kContractImportTag), this); });
}

void TfrmContratto::watchFirmFields() {
    // every change of a firm's field is the firm's current data, however the text came in
    // (typing, a paste from the context menu, an input method, a screen reader), except the
    // change that puts an archived contract on screen
    for (const FirmSetting& s : firmSettings()) {
        const QString name = toQString(s.field);
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
        firm_.insert(toQString(s.field), toQString(value));
    }
}

void TfrmContratto::putFirmDataOnCard() {
    for (const FirmSetting& s : firmSettings())
        setFieldText(toQString(s.field), firm_.value(toQString(s.field)));
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
        if (field == toQString(s.field)) return true;
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
    setFieldText(QStringLiteral("txtNumContratto"), toQString(proposedContractNumber(start, archived)));
    setFieldText(QStringLiteral("txtData"), today());
    focusField(QStringLiteral("txtCliente"));
}

bool TfrmContratto::acceptsSave() {
    // the date is stored as typed, once it names a day that exists
    if (isValidContractDate(trim(fieldText(QStringLiteral("txtData")).toStdString()))) return true;
    env().messages.warning(this, toQString(kContractDateWarning));
    focusField(QStringLiteral("txtData"));
    return false;
}

void TfrmContratto::presetDuplicate() {
    // a renewal: a new number is asked at Save, signed today; everything else stays, the
    // attachments included, as the renewal refers to the same files
    setFieldText(QStringLiteral("txtNumContratto"), QString());
    setFieldText(QStringLiteral("txtData"), today());
}

void TfrmContratto::beforeLeaving() {
    IniValues firm;
    for (const FirmSetting& s : firmSettings())
        firm.emplace_back(std::string(s.key), trim(firm_.value(toQString(s.field)).toStdString()));
    try {
        writeIniStrings(env().file(kContractSettingsFile), kFirmSection, firm, env().files);
    } catch (const ArchiveError&) {
        env().messages.warning(
            this, notStoredMessage(QStringLiteral("memorizzare i dati dell'Istituto di Vigilanza")));
    }
}

}  // namespace custovia
