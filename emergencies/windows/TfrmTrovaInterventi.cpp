#include "emergencies/windows/TfrmTrovaInterventi.h"

#include "archive/windows/CardEditor.h"
#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"

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
    c.actions.insert(QString::fromUtf8(kInterventionsTag.data(), qsizetype(kInterventionsTag.size())),
                     loadIntoInterventionEditor(env));
    return c;
}

}  // namespace

RowAction loadIntoInterventionEditor(Environment& env) {
    return [&env](std::uint64_t index, const Record& record) {
        const QString tag = QString::fromUtf8(kInterventionsTag.data(), qsizetype(kInterventionsTag.size()));
        if (auto* editor = env.windows.find<CardEditor>(tag)) editor->showRecord(index, record);
    };
}

TfrmTrovaInterventi::TfrmTrovaInterventi(Environment& env, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {}

}  // namespace custovia
