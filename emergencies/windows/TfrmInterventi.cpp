#include "emergencies/windows/TfrmInterventi.h"

#include <QLabel>

#include "archive/ini_file.h"
#include "archive/windows/TfrmAllegaCartella.h"
#include "archive/windows/qt_text.h"
#include "clients/windows/TfrmTrovaClienti.h"
#include "emergencies/windows/TfrmExpInterventi.h"
#include "emergencies/windows/TfrmPendenti.h"
#include "emergencies/windows/TfrmTrovaInterventi.h"
#include "emergencies/windows/TfrmStampaIntervento.h"
#include "archive/text.h"
#include "emergencies/intervention_card.h"
#include "emergencies/interventions.h"
#include "employees/windows/TfrmTrovaDipendenti.h"

namespace custovia {
namespace {

CardConfig interventionCard() {
    CardConfig c;
    c.objectName = QStringLiteral("TfrmInterventi");
    c.areaTag = toQString(kInterventionsTag);
    c.areaName = QStringLiteral("Coordinamento Emergenze");
    c.calendarTag = QStringLiteral("data");
    c.archiveFile = std::string(kInterventionsFile);
    c.layout = &interventionLayout();
    const unsigned colour = FocusColour;
    c.fields = {
        {"txtData", "Data segnalazione:", FieldControl::Date, NoRule, 0, 0},
        {"txtOre", "Ore:", FieldControl::Hour, NoRule, 0, 1},
        {"txtMinuti", "Minuti:", FieldControl::Minute, NoRule, 0, 2},
        {"txtOperatore", "Centralinista:", FieldControl::Edit, NoRule, 1, 0, 3},
        {"txtUtente", "Cliente segnalatore:", FieldControl::Edit, colour, 2, 0, 2},
        {"txtCelUte", "Tel. cellulare:", FieldControl::Edit, colour | DigitsOnly, 2, 2},
        {"txtGuasto", "Problema segnalato:", FieldControl::Edit, colour, 3, 0, 3},
        {"txtLuogo", "Luogo emergenza:", FieldControl::Edit, colour, 4, 0, 3},
        {"txtTecnico", "Operatore di pronto intervento:", FieldControl::Edit, colour, 5, 0, 2},
        {"txtCelTec", "Tel. cellulare:", FieldControl::Edit, colour | DigitsOnly, 5, 2},
        {"txtTipo", "Veicolo utilizzato:", FieldControl::Edit, colour, 6, 0, 2},
        {"txtTarga", "Targa:", FieldControl::Edit, colour | UpperCase, 6, 2},
        {"txtNote", "", FieldControl::Edit, colour, 7, 0, 3},
        {"chkTerminato", "Intervento terminato", FieldControl::Check, NoRule, 8, 0},
        {"lblOra", "", FieldControl::Hidden},
    };
    for (const QString& name : kAttachmentLabels) c.fields.push_back({name, "", FieldControl::Hidden});
    c.enterOrder = {"txtData",   "txtOre",    "txtMinuti", "txtOperatore", "txtUtente",
                    "txtCelUte", "txtGuasto", "txtLuogo",  "txtTecnico",   "txtCelTec",
                    "txtTipo",   "txtTarga",  "txtNote"};
    c.required = requiredFields(interventionSaveChecks());
    c.companions = {
        {"txtUtente", "impCliente", CompanionKind::Picture, "importa", "Importa cliente",
         "Importa i dati dall'archivio dei clienti.", "importClient"},
        {"txtTecnico", "impOperatore", CompanionKind::Picture, "importa", "Importa operatore",
         "Importa i dati dall'archivio dei dipendenti.", "importOperator"},
        {"txtCelTec", "btnWhatsApp", CompanionKind::Captioned, "whatsapp", "Invia messaggio",
         "Invia all'operatore un messaggio di WhatsApp con la richiesta di pronto intervento.", "whatsApp",
         QSize(32, 32)},
    };
    const CardButtons& b = cardButtons(CardWording::Insertion);
    const ToolbarButton pending{"cmdPendenti", "pendenti", "Interventi in corso",
                                "Visualizza il riepilogo degli interventi in corso."};
    c.toolbar = toolbarWithBrowsing({b.newCard, b.duplicate, b.save, b.find, b.attach, b.print},
                                    {pending, b.exportAll, b.help, b.leave});
    c.firstField = QStringLiteral("txtUtente");
    c.dateField = QStringLiteral("txtData");
    c.calendarHint = QStringLiteral("Importa la data dal calendario.");
    c.help = HelpTopic::Interventions;
    return c;
}

}  // namespace

TfrmInterventi::TfrmInterventi(Environment& env, QWidget* parent)
    : CardEditor(env, interventionCard(), parent) {
    finishCard();
    wireWindows();
}

void TfrmInterventi::finishCard() {
    QWidget* card = cardGrid()->parentWidget();
    // the notes carry a picture instead of a caption
    auto* notesIcon = new QLabel(card);
    notesIcon->setPixmap(QIcon(pictureResource("note")).pixmap(32, 32));
    notesIcon->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cardGrid()->addWidget(notesIcon, 7, 0);
    control(QStringLiteral("txtNote"))->setAccessibleName(QStringLiteral("Note"));

    hintLine()->attach(
        control(QStringLiteral("chkTerminato")),
        QStringLiteral("Spunta questa casella per annotare che l'intervento è stato completato."));
}

void TfrmInterventi::wireWindows() {
    // the reporter comes from the client archive, the operator from the employee archive,
    // each through its search window
    opensWindow(QStringLiteral("importClient"),
                [this] { return TfrmTrovaClienti(env(), config().areaTag, this); });
    opensWindow(
        QStringLiteral("importOperator"), [this] { return TfrmTrovaDipendenti(env(), this); },
        config().areaTag);
    setAction(QStringLiteral("whatsApp"), [this] {
        if (requireFilled(requiredFields(interventionWhatsAppChecks())))
            sendMessage(interventionWhatsApp(screenValues()));
    });
    opensWindow(
        QStringLiteral("cmdTrova"), [this] { return TfrmTrovaInterventi(env(), this); }, config().areaTag);
    opensWindow(QStringLiteral("cmdPendenti"), [this] { return TfrmPendenti(env(), this); });
    opensWindow(QStringLiteral("cmdFile"),
                [this] { return TfrmAllegaCartella(env(), this, config().areaTag); });
    opensWindow(QStringLiteral("cmdStampa"),
                [this] { return TfrmStampaIntervento(this, env(), screenValues()); });
    opensWindow(QStringLiteral("cmdEsporta"), [this] { return TfrmExpInterventi(env(), this); });
}

void TfrmInterventi::prepareShow() {
    std::string name;
    try {
        name = readIniString(env().file(kOperatorSettingsFile), kOperatorSection, kOperatorKey);
    } catch (const ArchiveError&) {
        // an unreadable settings file starts the operator empty, like a missing one
    }
    setFieldText(QStringLiteral("txtOperatore"), toQString(name));
    newCard();
}

void TfrmInterventi::presetNow() {
    const DateTime now = env().clock.now();
    setFieldText(QStringLiteral("txtData"), toQString(formatDate(now)));
    setFieldText(QStringLiteral("txtOre"), toQString(twoDigits(now.hour)));
    setFieldText(QStringLiteral("txtMinuti"), toQString(twoDigits(now.minute)));
}

void TfrmInterventi::presetNew() { presetNow(); }

void TfrmInterventi::presetDuplicate() {
    presetNow();
    setFieldText(QStringLiteral("chkTerminato"), toQString(kFlagNo));
}

void TfrmInterventi::computeDerived() {
    const std::string hour = trim(fieldText(QStringLiteral("txtOre")).toStdString());
    const std::string minutes = trim(fieldText(QStringLiteral("txtMinuti")).toStdString());
    setFieldText(QStringLiteral("lblOra"), toQString(hour + ":" + minutes));
}

bool TfrmInterventi::keptOnNew(const QString& field) const { return field == QLatin1String("txtOperatore"); }

void TfrmInterventi::beforeLeaving() {
    try {
        writeIniString(env().file(kOperatorSettingsFile), kOperatorSection, kOperatorKey,
                       trim(fieldText(QStringLiteral("txtOperatore")).toStdString()), env().files);
    } catch (const ArchiveError&) {
        // the work area closes all the same; the user knows the name will not be there next time
        env().messages.warning(this, notStoredMessage(QStringLiteral("memorizzare il nome dell'operatore")));
    }
}

}  // namespace custovia
