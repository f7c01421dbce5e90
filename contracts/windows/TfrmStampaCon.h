#pragma once
// The contract's print window: "Annulla" or "Stampa", which prints both pages of the contract
// on screen as one two-sided job through the print dialog and closes the window.
#include "contracts/windows/ContractPrintDialog.h"

namespace custovia {

class TfrmStampaCon final : public ContractPrintDialog {
    Q_OBJECT
public:
    TfrmStampaCon(QWidget* owner, Environment& env, CardValues screen);
};

}  // namespace custovia
