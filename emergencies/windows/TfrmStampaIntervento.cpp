#include "emergencies/windows/TfrmStampaIntervento.h"

#include "archive/text.h"

namespace custovia::report {

void fillInterventionCard(Template& card, const InterventionCard& v, const DateTime& now) {
    card.setText("txtData", trim(v.date));
    card.setText("txtOra", trim(v.hour) + ":" + trim(v.minutes));
    card.setText("txtOperatore", trim(v.switchboardOperator));
    card.setText("txtUtente", trim(v.reporter));
    card.setText("txtCelUte", trim(v.reporterMobile));
    card.setText("txtGuasto", trim(v.problem));
    card.setText("txtLuogo", trim(v.place));
    card.setText("txtTipo", trim(v.vehicle) + "   Targa: " + trim(v.plate));
    card.setText("txtTecnico", trim(v.responder));
    card.setText("txtCelTec", trim(v.responderMobile));
    card.setText("txtNote", trim(v.notes));
    card.setText("txtTerminato", v.finished ? "Sì" : "No");
    card.setText("txtCalce", printedAtText(now));
}

namespace {

PrintDialogSetup setup() {
    PrintDialogSetup s;
    s.objectName = QStringLiteral("TfrmStampaIntervento");
    s.caption = QStringLiteral(" Stampa scheda");
    s.templateName = "scheda_intervento";
    s.heading = kPrintHeading;
    s.texts = kPrintTexts;
    return s;
}

}  // namespace

TfrmStampaIntervento::TfrmStampaIntervento(QWidget* owner, Environment& env,
                                           std::function<InterventionCard()> readCard)
    : PrintDialog(owner, env, setup(), [&env, readCard = std::move(readCard)](Report& report) {
          fillInterventionCard(report.layout(), readCard(), env.clock.now());
      }) {}

}  // namespace custovia::report
