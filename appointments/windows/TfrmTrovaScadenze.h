#pragma once
// The search window of the appointment archive. Under the mode tag "scadenze" the chosen card
// is loaded into the appointment card editor.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmTrovaScadenze final : public ListWindow {
    Q_OBJECT
public:
    TfrmTrovaScadenze(Environment& env, QWidget* parent);
};

}  // namespace custovia
