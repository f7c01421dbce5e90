#include "contracts/windows/TfrmTrovaContratti.h"

#include "contracts/contract_lists.h"
#include "contracts/contracts.h"

namespace custovia {

TfrmTrovaContratti::TfrmTrovaContratti(Environment& env, QWidget* parent)
    : ListWindow(
          env,
          searchList(env, {kContractsFile, contractLayout(), kContractsTag, contractRow()}, contractFilters(),
                     QStringLiteral("TfrmTrovaContratti"), QStringLiteral(" Trova contratti in archivio"),
                     QStringLiteral("Riepilogo contratti di servizi di vigilanza")),
          parent) {}

}  // namespace custovia
