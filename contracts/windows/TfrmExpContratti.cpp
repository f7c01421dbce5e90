#include "contracts/windows/TfrmExpContratti.h"

#include "contracts/contract_export.h"
#include "contracts/contracts.h"

namespace custovia {
namespace {

ExportWindowConfig contractExportWindow() {
    ExportWindowConfig c;
    c.objectName = QStringLiteral("TfrmExpContratti");
    c.caption = QStringLiteral(" Esporta archivio contratti in Excel");
    c.table = contractExport();
    c.archiveFile = std::string(kContractsFile);
    c.layout = &contractLayout();
    c.helpTopic = HelpTopic::ExportContracts;
    return c;
}

}  // namespace

TfrmExpContratti::TfrmExpContratti(Environment& env, QWidget* parent)
    : ExportWindow(env, parent, contractExportWindow()) {}

}  // namespace custovia
