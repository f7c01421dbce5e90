#include "contracts/windows/TfrmTrovaContratti.h"

#include "contracts/contract_lists.h"
#include "contracts/contracts.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

ListConfig searchConfig(Environment& env) {
    ListConfig c;
    c.objectName = QStringLiteral("TfrmTrovaContratti");
    c.caption = QStringLiteral(" Trova contratti in archivio");
    c.kind = ListKind::Search;
    c.archiveFile = std::string(kContractsFile);
    c.layout = &contractLayout();
    c.filters = contractFilters();
    c.row = [](std::string_view bytes) { return contractRow()(bytes); };
    c.countEnding = QStringLiteral(" schede.");
    c.printTitle = QStringLiteral("Riepilogo contratti di servizi di vigilanza");
    c.actions.insert(toQString(kContractsTag), loadIntoCardEditor(env, kContractsTag));
    return c;
}

}  // namespace

TfrmTrovaContratti::TfrmTrovaContratti(Environment& env, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {}

}  // namespace custovia
