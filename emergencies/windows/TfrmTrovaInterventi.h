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

// Loads a card of the intervention archive into the intervention card editor, when there is one.
RowAction loadIntoInterventionEditor(Environment& env);

}  // namespace custovia
