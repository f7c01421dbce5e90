#include "contracts/windows/TfrmTrovaContratti.h"

#include "archive/windows/CardEditor.h"
#include "contracts/contract_lists.h"
#include "contracts/contracts.h"

namespace custovia {
namespace {

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

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
    c.actions.insert(qt(kContractsTag), [&env](std::uint64_t index, const Record& record) {
        if (auto* card = env.windows.find<CardEditor>(qt(kContractsTag))) card->showRecord(index, record);
    });
    return c;
}

}  // namespace

TfrmTrovaContratti::TfrmTrovaContratti(Environment& env, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {}

}  // namespace custovia
