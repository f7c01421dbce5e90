#include "emergencies/windows/TfrmTrovaInterventi.h"

#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"

namespace custovia {

TfrmTrovaInterventi::TfrmTrovaInterventi(Environment& env, QWidget* parent)
    : ListWindow(
          env,
          searchList(env, {kInterventionsFile, interventionLayout(), kInterventionsTag, interventionRow()},
                     interventionFilters(), QStringLiteral("TfrmTrovaInterventi"),
                     QStringLiteral(" Trova schede interventi in archivio"),
                     QStringLiteral("Riepilogo schede interventi in archivio"), QStringLiteral(" schede")),
          parent) {}

}  // namespace custovia
