#include "contracts/windows/ContractPrintDialog.h"

#include <QShowEvent>

#include "contracts/contract_card.h"
#include "contracts/windows/ContractLogo.h"

namespace custovia {

ContractPrintDialog::ContractPrintDialog(QWidget* owner, Environment& env, report::PrintDialogSetup setup,
                                         CardValues screen)
    : PrintDialog(owner, env, std::move(setup), [this, screen = std::move(screen)](report::Report& report) {
          report.setPicture("imgLogo", logo_);
          fillContract(report.layout(), screen);
      }) {}

void ContractPrintDialog::showEvent(QShowEvent* event) {
    PrintDialog::showEvent(event);
    if (!event->spontaneous()) logo_ = loadContractLogo(env().file(kLogoFile));
}

}  // namespace custovia
