#include "emergencies/windows/TfrmPendenti.h"

#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"

namespace custovia {
namespace {

ListConfig pendingConfig(Environment& env) {
    ListConfig c;
    c.objectName = QStringLiteral("TfrmPendenti");
    c.caption = QStringLiteral(" Riepilogo interventi in corso");
    c.kind = ListKind::Summary;
    c.archiveFile = std::string(kInterventionsFile);
    c.layout = &interventionLayout();
    c.row = [](std::string_view bytes) { return interventionRow()(bytes); };
    c.condition = interventionInProgress;
    c.printTitle = QStringLiteral("Riepilogo interventi in corso");
    c.listName = QStringLiteral("Interventi in corso");
    c.otherTags = loadIntoCardEditor(env, kInterventionsTag);  // whatever the tag says
    return c;
}

}  // namespace

TfrmPendenti::TfrmPendenti(Environment& env, QWidget* parent) : ListWindow(env, pendingConfig(env), parent) {}

}  // namespace custovia
