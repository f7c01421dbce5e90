#include "emergencies/windows/TfrmExpInterventi.h"

#include "emergencies/intervention_export.h"
#include "emergencies/interventions.h"

namespace custovia {

TfrmExpInterventi::TfrmExpInterventi(Environment& env, QWidget* parent)
    : ExportWindow(env, parent,
                   archiveExport(QStringLiteral("TfrmExpInterventi"),
                                 QStringLiteral(" Esportazione archivio interventi"), interventionExport(),
                                 kInterventionsFile, interventionLayout(), HelpTopic::ExportInterventions)) {}

}  // namespace custovia
