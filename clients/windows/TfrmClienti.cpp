#include "clients/windows/TfrmClienti.h"

#include "archive/text.h"
#include "archive/windows/TfrmAllegaCartella.h"
#include "archive/windows/qt_text.h"
#include "clients/windows/CheckWindow.h"
#include "clients/clients.h"
#include "clients/windows/TfrmAllegaExcel.h"
#include "clients/windows/TfrmExpClienti.h"
#include "clients/windows/TfrmPrivacy.h"
#include "clients/windows/TfrmRicontatta.h"
#include "clients/windows/TfrmTrovaClienti.h"
#include "report/windows/Report.h"

namespace custovia {
namespace {

const QString kPersonal = QStringLiteral("Dati anagrafici e residenza");
const QString kContacts = QStringLiteral("Recapiti telefonici, PEC ed e-mail");
const QString kTax = QStringLiteral("Dati fiscali e di pagamento");
const QString kOther = QStringLiteral("Documento, professione e zona");
const QString kNotes = QStringLiteral("Questioni in sospeso e note");

const QString kPdfFailure = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i "
    "dati.\n\r\n\rAccertarsi che il documento non sia già "
    "aperto.");

CardConfig clientCard() {
    CardConfig c;
    c.objectName = QStringLiteral("TfrmClienti");
    c.areaTag = toQString(kClientsTag);
    c.areaName = QStringLiteral("Clienti e Servizi");
    c.archiveFile = std::string(kClientsFile);
    c.layout = &clientLayout();
    const unsigned colour = FocusColour;
    const auto trimmed = [](const QString& text) { return trimmedText(text); };
    // name, caption, control, rules, row, column, span, section, leaving rule
    c.fields = {
        {"txtCliente",
         "Cognome e nome (o Ragione sociale):",
         FieldControl::Edit,
         colour,
         0,
         0,
         3,
         kPersonal,
         {}},
        {"txtDataNasc", "Data di nascita:", FieldControl::Edit, colour, 1, 0, 1, kPersonal, {}},
        {"txtSesso", "Sesso:", FieldControl::Edit, colour | UpperCase, 1, 1, 1, kPersonal, {}},
        {"txtComuneNasc", "Comune di nascita:", FieldControl::Edit, colour, 2, 0, 1, kPersonal, {}},
        {"txtProvNasc", "Prov.", FieldControl::Province, colour, 2, 1, 1, kPersonal, {}},
        {"txtRecapito", "Tel. preferenziale:", FieldControl::Edit, colour, 3, 0, 1, kPersonal, {}},
        {"txtIndirizzoRes",
         "Residente in Via / Piazza e numero civico:",
         FieldControl::Edit,
         colour,
         4,
         0,
         1,
         kPersonal,
         {}},
        {"txtComuneRes", "Comune di residenza:", FieldControl::Edit, colour, 5, 0, 1, kPersonal, {}},
        {"txtProvRes", "Prov.", FieldControl::Province, colour, 5, 1, 1, kPersonal, {}},
        {"txtCapRes", "CAP:", FieldControl::Edit, colour | UpperCase, 5, 2, 1, kPersonal, {}},

        {"txtTelCasa", "Tel. casa:", FieldControl::Edit, colour, 0, 0, 1, kContacts, {}},
        {"txtTelUff", "Tel. ufficio:", FieldControl::Edit, colour, 0, 1, 1, kContacts, {}},
        {"txtTelCel", "Tel. cellulare:", FieldControl::Edit, colour | DigitsOnly, 1, 0, 1, kContacts, {}},
        {"txtFax", "PEC:", FieldControl::Edit, colour | TrimTyping, 1, 1, 1, kContacts, {}},
        {"txtEmail", "E-mail:", FieldControl::Edit, colour | TrimTyping, 2, 0, 3, kContacts, trimmed},

        {"txtCodFisc", "Codice fiscale:", FieldControl::Edit, colour | UpperCase, 0, 0, 1, kTax, {}},
        {"txtPartitaIva", "Partita IVA:", FieldControl::Edit, colour | DigitsOnly, 0, 1, 1, kTax, {}},
        {"txtCarta", "Carta di credito n.", FieldControl::Edit, colour | DigitsOnly, 1, 0, 1, kTax, {}},
        {"txtScadeCarta", "Scadenza:", FieldControl::Edit, colour, 1, 1, 1, kTax, {}},
        {"txtIban", "IBAN:", FieldControl::Edit, colour | UpperCase, 2, 0, 3, kTax, {}},
        {"txtEstremi", "Modalità di pagamento:", FieldControl::Edit, colour, 3, 0, 3, kTax, {}},

        {"txtDocumento", "Estremi documento:", FieldControl::Edit, colour, 0, 0, 3, kOther, {}},
        {"txtOccupazione", "Occupazione:", FieldControl::Edit, colour, 1, 0, 1, kOther, {}},
        {"txtCivile", "Stato civile:", FieldControl::Edit, colour, 1, 1, 1, kOther, {}},
        {"txtTitoli", "Titoli e qualifiche:", FieldControl::Edit, colour, 2, 0, 3, kOther, {}},
        {"txtProdotti", "Rappresentante legale:", FieldControl::Edit, colour, 3, 0, 3, kOther, {}},
        {"txtZona", "Zona:", FieldControl::Edit, colour, 4, 0, 3, kOther, {}},

        {"txtQuestioni", "Questioni in sospeso:", FieldControl::Edit, colour, 0, 0, 3, kNotes, {}},
        {"txtNote", "Note:", FieldControl::Edit, colour, 1, 0, 3, kNotes, {}},
        {"chkRicontatta", "Da ricontattare", FieldControl::Check, NoRule, 2, 0, 1, kNotes, {}},
    };
    for (const QString& name : kAttachmentLabels)
        c.fields.push_back({name, "", FieldControl::Hidden, NoRule, 0, 0, 1, {}, {}});
    c.enterOrder = {"txtCliente",  "txtDataNasc",     "txtComuneNasc",  "txtProvNasc",   "txtSesso",
                    "txtRecapito", "txtIndirizzoRes", "txtProvRes",     "txtComuneRes",  "txtCapRes",
                    "txtEstremi",  "txtTelCasa",      "txtTelUff",      "txtTelCel",     "txtFax",
                    "txtEmail",    "txtCodFisc",      "txtCarta",       "txtScadeCarta", "txtPartitaIva",
                    "txtIban",     "txtDocumento",    "txtOccupazione", "txtCivile",     "txtTitoli",
                    "txtProdotti", "txtZona",         "txtQuestioni",   "txtNote"};
    c.required = requiredFields(clientSaveChecks());
    c.companions = {
        {"txtEmail", "btnEmail", CompanionKind::Picture, "email", "Invia e-mail",
         "Invia una e-mail all'indirizzo indicato.", "email"},
        checkButton(Check::TaxCode, "txtCodFisc"),
        checkButton(Check::PaymentCard, "txtCarta"),
        checkButton(Check::VatNumber, "txtPartitaIva"),
        checkButton(Check::Iban, "txtIban"),
        {"txtQuestioni", "btnProve", CompanionKind::Captioned, "servizi", "Servizi forniti",
         "Visualizza il riepilogo dei servizi forniti al cliente.", "services", QSize(28, 28)},
        {"txtNote", "btnPrivacy", CompanionKind::Picture, "privacy", "Modulo privacy",
         "Stampa liberatoria per il trattamento dei dati personali.", "privacy", QSize(28, 28)},
    };
    const CardButtons& b = cardButtons(CardWording::Registration);
    const ToolbarButton preview{"cmdAnteprima", "anteprima", "Anteprima",
                                "Visualizza l'anteprima di stampa."};
    const ToolbarButton pdf{"cmdPDF", "crea_pdf", "Crea PDF", "Esporta la scheda in formato PDF."};
    const ToolbarButton recall{"cmdRicontatta", "ricontatta", "Da ricontattare",
                               "Visualizza il riepilogo dei clienti da ricontattare."};
    c.toolbar = toolbarWithBrowsing({b.newCard, b.duplicate, b.attach, b.save, b.find, preview, b.print, pdf,
                                     recall, b.exportAll, b.help, b.leave});
    c.firstField = QStringLiteral("txtCliente");
    c.help = HelpTopic::Clients;
    return c;
}

}  // namespace

TfrmClienti::TfrmClienti(Environment& env, QWidget* parent) : CardEditor(env, clientCard(), parent) {
    hintLine()->attach(control(QStringLiteral("chkRicontatta")),
                       QStringLiteral("Annota che il cliente è da ricontattare per questioni in sospeso."));
    wireWindows();
}

void TfrmClienti::wireWindows() {
    opensWindow(QStringLiteral("cmdTrova"),
                [this] { return TfrmTrovaClienti(env(), config().areaTag, this); });
    opensWindow(QStringLiteral("cmdRicontatta"), [this] { return TfrmRicontatta(env(), this); });
    opensWindow(QStringLiteral("cmdFile"),
                [this] { return TfrmAllegaCartella(env(), this, config().areaTag); });
    opensWindow(QStringLiteral("cmdEsporta"), [this] { return TfrmExpClienti(env(), this); });
    setAction(QStringLiteral("cmdStampa"), [this] { printCard(); });
    setAction(QStringLiteral("cmdAnteprima"), [this] { previewCard(); });
    setAction(QStringLiteral("cmdPDF"), [this] { createPdf(); });
    setAction(QStringLiteral("services"), [this] { openServices(); });
    setAction(QStringLiteral("privacy"), [this] { openPrivacy(); });
}

QString TfrmClienti::trimmedField(const QString& name) const { return trimmedText(fieldText(name)); }

void TfrmClienti::openServices() {
    if (position().trimmed().isEmpty()) {
        env().messages.warning(this,
                               QStringLiteral("Attenzione: il riepilogo dei servizi può essere visualizzato "
                                              "soltanto dopo aver salvato la scheda del cliente."));
        return;
    }
    if (trimmedField(QStringLiteral("txtCliente")).isEmpty()) {
        env().messages.warning(this, QStringLiteral("Attenzione: per visualizzare il riepilogo dei servizi è "
                                                    "necessario indicare il nome del cliente."));
        focusField(QStringLiteral("txtCliente"));
        return;
    }
    TfrmAllegaExcel window(env(), this, fieldText(QStringLiteral("txtCliente")), position());
    window.exec();
}

void TfrmClienti::openPrivacy() {
    TfrmPrivacy window(env(), this);
    // the form's field, then the card's field it takes
    static const std::pair<const char*, const char*> copied[] = {
        {"txtPaziente", "txtCliente"},  {"txtComuneNasc", "txtComuneNasc"},  {"txtProvNasc", "txtProvNasc"},
        {"txtDataNasc", "txtDataNasc"}, {"txtComuneRes", "txtComuneRes"},    {"txtProvRes", "txtProvRes"},
        {"txtCapRes", "txtCapRes"},     {"txtIndirizzo", "txtIndirizzoRes"}, {"txtCodFisc", "txtCodFisc"},
        {"txtRecapito", "txtRecapito"},
    };
    for (const auto& [form, card] : copied)
        window.setFieldText(QString::fromLatin1(form), trimmedField(QString::fromLatin1(card)));
    window.setFieldText(QStringLiteral("txtData"), toQString(formatDate(env().clock.now())));
    window.exec();
}

namespace {

report::Report filledCard(const ClientValues& screen, const DateTime& now, CardCopy copy) {
    report::Report card = report::Report::fromResource(kClientCardTemplate);
    fillClientCard(card.layout(), screen, now, copy);
    return card;
}

}  // namespace

void TfrmClienti::printCard() {
    try {
        report::Report card = filledCard(screenValues(), env().clock.now(), CardCopy::Paper);
        card.print(this, env().printDialogs);
    } catch (const report::ReportError& failure) {
        env().messages.error(this, report::printFailureMessage(failure));
    }
}

void TfrmClienti::previewCard() {
    try {
        report::Report card = filledCard(screenValues(), env().clock.now(), CardCopy::Screen);
        card.preview(this, env().printDialogs);
    } catch (const report::ReportError& failure) {
        env().messages.error(this, report::printFailureMessage(failure));
    }
}

void TfrmClienti::createPdf() {
    const std::filesystem::path file = env().file(kClientPdfFile);
    bool written = false;
    try {
        report::Report card = filledCard(screenValues(), env().clock.now(), CardCopy::Screen);
        written = card.writePdf(file, env().files);
    } catch (const report::ReportError&) {
        written = false;
    }
    if (!written) {
        // typically the previous copy is still open in a viewer
        env().messages.warning(this, kPdfFailure);
        return;
    }
    if (env().messages.question(this, QStringLiteral("L'esportazione della scheda in PDF è terminata con "
                                                     "successo.\r\n\r\nSi vuole aprire il file?")))
        env().shell.open(quotedPath(file));
}

}  // namespace custovia
