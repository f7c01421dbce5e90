#include "emergencies/windows/TfrmPendenti.h"

#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"

namespace custovia {
namespace {

ListConfig pendingConfig(Environment& env) {
    ListConfig c = summaryList(
        env, {kInterventionsFile, interventionLayout(), kInterventionsTag, interventionRow()},
        interventionInProgress, QStringLiteral("TfrmPendenti"),
        QStringLiteral(" Riepilogo interventi in corso"), QStringLiteral("Riepilogo interventi in corso"));
    c.listName = QStringLiteral("Interventi in corso");
    return c;
}

}  // namespace

TfrmPendenti::TfrmPendenti(Environment& env, QWidget* parent) : ListWindow(env, pendingConfig(env), parent) {}

}  // namespace custovia
