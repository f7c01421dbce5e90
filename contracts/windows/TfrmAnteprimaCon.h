#pragma once
// The contract's preview window: "Annulla" or "Mostra anteprima", which shows both pages of the
// contract on screen in the preview and closes the window.
#include "contracts/windows/ContractPrintDialog.h"

namespace custovia {

class TfrmAnteprimaCon final : public ContractPrintDialog {
    Q_OBJECT
public:
    TfrmAnteprimaCon(QWidget* owner, Environment& env, CardValues screen);
};

}  // namespace custovia
