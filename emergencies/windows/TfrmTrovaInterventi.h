#pragma once
// The search window of the intervention archive. Under the mode tag "interventi" the chosen
// card is loaded into the intervention card editor.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmTrovaInterventi final : public ListWindow {
    Q_OBJECT
public:
    TfrmTrovaInterventi(Environment& env, QWidget* parent);
};

}  // namespace custovia
