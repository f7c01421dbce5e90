#pragma once
// The search window of the contract archive. Under the mode tag "contratti" the chosen
// contract is loaded into the contract card with all its fields.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmTrovaContratti final : public ListWindow {
    Q_OBJECT
public:
    TfrmTrovaContratti(Environment& env, QWidget* parent);
};

}  // namespace custovia
