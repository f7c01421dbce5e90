#include "contracts/windows/TfrmExpContratti.h"

#include "contracts/contract_export.h"
#include "contracts/contracts.h"

namespace custovia {

TfrmExpContratti::TfrmExpContratti(Environment& env, QWidget* parent)
    : ExportWindow(env, parent,
                   archiveExport(QStringLiteral("TfrmExpContratti"),
                                 QStringLiteral(" Esporta archivio contratti in Excel"), contractExport(),
                                 kContractsFile, contractLayout(), HelpTopic::ExportContracts)) {}

}  // namespace custovia
