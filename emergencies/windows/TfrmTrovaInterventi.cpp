#include "emergencies/windows/TfrmTrovaInterventi.h"

#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

ListConfig searchConfig(Environment& env) {
    ListConfig c;
    c.objectName = QStringLiteral("TfrmTrovaInterventi");
    c.caption = QStringLiteral(" Trova schede interventi in archivio");
    c.size = QSize(862, 560);
    c.kind = ListKind::Search;
    c.archiveFile = std::string(kInterventionsFile);
    c.layout = &interventionLayout();
    c.filters = interventionFilters();
    c.row = [](std::string_view bytes) { return interventionRow()(bytes); };
    c.countEnding = QStringLiteral(" schede");
    c.printTitle = QStringLiteral("Riepilogo schede interventi in archivio");
    c.actions.insert(toQString(kInterventionsTag), loadIntoCardEditor(env, kInterventionsTag));
    return c;
}

}  // namespace

TfrmTrovaInterventi::TfrmTrovaInterventi(Environment& env, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {}

}  // namespace custovia
