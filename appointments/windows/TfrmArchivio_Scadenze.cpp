#include "appointments/windows/TfrmArchivio_Scadenze.h"

#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

#include "appointments/appointments.h"
#include "appointments/windows/TfrmAssolti.h"
#include "appointments/windows/TfrmConfermati.h"
#include "appointments/windows/TfrmExpScadenzario.h"
#include "appointments/windows/TfrmScaduti.h"
#include "appointments/windows/TfrmStampaScadenza.h"
#include "appointments/windows/TfrmStartup.h"
#include "appointments/windows/TfrmTrovaScadenze.h"
#include "archive/shell.h"
#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/qt_text.h"
#include "clients/windows/TfrmTrovaClienti.h"
#include "clients/services.h"

namespace custovia {
namespace {

const QString kServices = QStringLiteral("DESCRIZIONE SERVIZI");
const QString kClient = QStringLiteral("DATI CLIENTE");
const QString kNotes = QStringLiteral("NOTE");

CardConfig appointmentCard() {
    CardConfig c;
    c.objectName = QStringLiteral("TfrmArchivio_Scadenze");
    c.areaTag = toQString(kAppointmentsTag);
    c.areaName = QStringLiteral("Schedario Appuntamenti");
    c.calendarTag = toQString(kAppointmentDateTag);
    c.archiveFile = std::string(kAppointmentsFile);
    c.layout = &appointmentLayout();
    const auto amount = [](const QString& typed) { return toQString(normaliseAmount(typed.toStdString())); };
    const auto noticeDays = [](const QString& typed) {
        return trimmedText(typed).isEmpty() ? QStringLiteral("0") : typed;
    };
    // the first row of the card holds its title picture
    // name, caption, control, rules, row, column, span, section, leaving rule
    c.fields = {
        {"txtData", "Data appuntamento:", FieldControl::Date, NoRule, 1, 0, 1, {}, {}},
        {"txtOreApp", "Ore:", FieldControl::Hour, ListedOnly, 1, 1, 1, {}, {}},
        {"txtMinutiApp", "Minuti:", FieldControl::Minute, ListedOnly, 1, 2, 1, {}, {}},
        {"txtAvviso", "Giorni di preavviso:", FieldControl::Edit, DigitsOnly, 2, 0, 1, {}, noticeDays},
        {"txtTipologia", "Operatore:", FieldControl::Edit, NoRule, 0, 0, 1, kServices, {}},
        {"txtCausale", "Servizi richiesti dal cliente:", FieldControl::Edit, NoRule, 1, 0, 1, kServices, {}},
        {"txtDettagli", "Dettagli:", FieldControl::Edit, NoRule, 2, 0, 1, kServices, {}},
        {"txtContatto",
         "Cognome e nome (o Ragione sociale):",
         FieldControl::Edit,
         NoRule,
         0,
         0,
         1,
         kClient,
         {}},
        {"txtTel", "Telefono:", FieldControl::Edit, NoRule, 1, 0, 1, kClient, {}},
        {"txtCel", "Cellulare:", FieldControl::Edit, DigitsOnly, 2, 0, 1, kClient, {}},
        {"txtEmail", "E-mail:", FieldControl::Edit, TrimTyping, 3, 0, 1, kClient, {}},
        {"txtLuogo", "Modalità di pagamento:", FieldControl::Edit, NoRule, 4, 0, 1, kClient, {}},
        {"txtImporto", "Importo:", FieldControl::Edit, DigitWidth, 5, 0, 1, kClient, amount},
        {"txtNote", "", FieldControl::Edit, NoRule, 0, 0, 1, kNotes, {}},
        {"chkOttemperata", "Impegno assolto", FieldControl::Check, NoRule, 10, 0, 3, {}, {}},
        {"lblOra", "", FieldControl::Hidden, NoRule, 0, 0, 1, {}, {}},
    };
    // Enter in the date opens the calendar; from the notes it comes back to the date
    c.enterOrder = {"txtData",    "txtOreApp",   "txtMinutiApp", "txtAvviso", "txtTipologia",
                    "txtCausale", "txtDettagli", "txtContatto",  "txtTel",    "txtCel",
                    "txtEmail",   "txtLuogo",    "txtImporto",   "txtNote"};
    c.required = requiredFields(appointmentSaveChecks());
    c.companions = {
        {"txtContatto", "impContatto", CompanionKind::Picture, "importa", "Importa cliente",
         "Importa i dati dall'archivio anagrafico dei clienti.", "importClient"},
        {"txtCel", "btnWhatsApp", CompanionKind::Picture, "whatsapp_scritta", "WhatsApp",
         "Invia conferma appuntamento al cliente tramite WhatsApp.", "whatsApp", QSize(105, 27)},
        {"txtEmail", "btnEmail", CompanionKind::Picture, "email", "E-mail",
         "Invia una e-mail all'indirizzo indicato.", "email"},
    };
    const CardButtons& b = cardButtons(CardWording::Registration);
    const ToolbarButton done{"cmdAssolti", "assolti", "Assolti",
                             "Visualizza il riepilogo degli impegni assolti."};
    const ToolbarButton toDo{"cmdDaAssolvere", "da_assolvere", "Da assolvere",
                             "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."};
    const ToolbarButton overdue{"cmdScaduti", "scaduti", "Scaduti",
                                "Visualizza il riepilogo degli impegni scaduti e non assolti."};
    const ToolbarButton exportAll{"cmdEsporta", "esporta", "Esporta archivio",
                                  "Esporta l'archivio in un file di Excel."};
    // it leaves in the words of the cards that insert: "Esci da questa schermata di lavoro."
    const ToolbarButton& leave = cardButtons(CardWording::Insertion).leave;
    c.toolbar = toolbarWithBrowsing({b.newCard, b.duplicate, b.save, b.find, b.preview, b.print, done, toDo,
                                     overdue, exportAll, b.help, leave});
    c.firstField = QStringLiteral("txtData");
    c.dateField = QStringLiteral("txtData");
    c.calendarHint = QStringLiteral("Importa la data dal calendario.");
    c.help = HelpTopic::Appointments;
    c.duplicateReachesArchive = true;
    return c;
}

}  // namespace

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(Environment& env, QWidget* parent)
    : CardEditor(env, appointmentCard(), parent) {
    finishCard();
    wireWindows();
}

void TfrmArchivio_Scadenze::finishCard() {
    auto* date = static_cast<QLineEdit*>(control(QStringLiteral("txtData")));
    date->setAlignment(Qt::AlignCenter);
    // unlike the other fields, Enter in the date asks the calendar instead of moving on
    onEnter(date, [this] { openCalendar(); });
    static_cast<QLineEdit*>(control(QStringLiteral("txtAvviso")))->setAlignment(Qt::AlignCenter);
    auto* amount = static_cast<QLineEdit*>(control(QStringLiteral("txtImporto")));
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makeAmountKeys(amount);
    control(QStringLiteral("txtNote"))->setAccessibleName(QStringLiteral("Note"));

    QWidget* card = cardGrid()->parentWidget();
    auto* title = new QLabel(card);
    title->setObjectName(QStringLiteral("imgTitolo"));
    title->setPixmap(QIcon(pictureResource("titolo_scheda_appuntamento")).pixmap(QSize(300, 44)));
    title->setAccessibleName(QStringLiteral("SCHEDA APPUNTAMENTO"));
    cardGrid()->addWidget(title, 0, 0, 1, -1, Qt::AlignLeft);

    auto* reminder =
        new QLabel(QStringLiteral("Ricordarsi di spuntare la casella Impegno assolto nel momento in "
                                  "cui si è ottemperato allo stesso così da rimuoverlo dagli "
                                  "appuntamenti imminenti."),
                   card);
    reminder->setObjectName(QStringLiteral("imgPromemoria"));
    reminder->setWordWrap(true);
    reminder->setStyleSheet(QStringLiteral("color: #1E5AA8; font-weight: bold;"));
    addBeside(QStringLiteral("chkOttemperata"), reminder);
    hintLine()->attach(control(QStringLiteral("chkOttemperata")),
                       QStringLiteral("Spunta questa casella per indicare che l'impegno è stato assolto."));
}

void TfrmArchivio_Scadenze::wireWindows() {
    // the client search window copies the chosen client into this card, found by its tag
    opensWindow(QStringLiteral("importClient"),
                [this] { return TfrmTrovaClienti(env(), config().areaTag, this); });
    setAction(QStringLiteral("whatsApp"), [this] {
        if (requireFilled(requiredFields(appointmentWhatsAppChecks())))
            sendMessage(confirmationMessage(screenValues()));
    });
    opensWindow(
        QStringLiteral("cmdTrova"), [this] { return TfrmTrovaScadenze(env(), this); }, config().areaTag);
    opensWindow(QStringLiteral("cmdAssolti"), [this] { return TfrmAssolti(env(), this); });
    opensWindow(QStringLiteral("cmdDaAssolvere"), [this] { return TfrmConfermati(env(), this); });
    opensWindow(QStringLiteral("cmdScaduti"), [this] { return TfrmScaduti(env(), this); });
    opensWindow(QStringLiteral("cmdEsporta"), [this] { return TfrmExpScadenzario(env(), this); });
    opensWindow(QStringLiteral("cmdStampa"),
                [this] { return TfrmStampaScadenza(this, env(), screenValues()); });
    opensWindow(QStringLiteral("cmdAnteprima"), [this] { return TfrmStartup(this, env(), screenValues()); });
}

void TfrmArchivio_Scadenze::presetNew() {
    setFieldText(QStringLiteral("txtOreApp"), QStringLiteral("00"));
    setFieldText(QStringLiteral("txtMinutiApp"), QStringLiteral("00"));
    setFieldText(QStringLiteral("txtAvviso"), QStringLiteral("0"));
    setFieldText(QStringLiteral("txtImporto"), QStringLiteral("0,00"));
}

void TfrmArchivio_Scadenze::presetDuplicate() {
    // a recurring appointment: everything stays, the done box included, but the date and time
    setFieldText(QStringLiteral("txtData"), QString());
    setFieldText(QStringLiteral("txtOreApp"), QStringLiteral("00"));
    setFieldText(QStringLiteral("txtMinutiApp"), QStringLiteral("00"));
}

void TfrmArchivio_Scadenze::computeDerived() {
    if (trimmedText(fieldText(QStringLiteral("txtImporto"))).isEmpty())
        setFieldText(QStringLiteral("txtImporto"), QStringLiteral("0,00"));
    const std::string hours = trim(fieldText(QStringLiteral("txtOreApp")).toStdString());
    const std::string minutes = trim(fieldText(QStringLiteral("txtMinutiApp")).toStdString());
    setFieldText(QStringLiteral("lblOra"), toQString(hours + ":" + minutes));
}

}  // namespace custovia
