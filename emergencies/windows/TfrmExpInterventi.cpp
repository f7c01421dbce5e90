#include "emergencies/windows/TfrmExpInterventi.h"

#include "emergencies/intervention_export.h"
#include "emergencies/interventions.h"

namespace custovia {
namespace {

ExportWindowConfig interventionExportWindow() {
    ExportWindowConfig c;
    c.objectName = QStringLiteral("TfrmExpInterventi");
    c.caption = QStringLiteral(" Esportazione archivio interventi");
    c.table = interventionExport();
    c.archiveFile = std::string(kInterventionsFile);
    c.layout = &interventionLayout();
    c.helpTopic = HelpTopic::ExportInterventions;
    return c;
}

}  // namespace

TfrmExpInterventi::TfrmExpInterventi(Environment& env, QWidget* parent)
    : ExportWindow(env, parent, interventionExportWindow()) {}

}  // namespace custovia
