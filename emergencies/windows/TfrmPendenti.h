#pragma once
// The interventions still in progress (their "Intervento terminato" box never ticked). A
// double-click always loads the chosen card into the intervention card editor.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmPendenti final : public ListWindow {
    Q_OBJECT
public:
    TfrmPendenti(Environment& env, QWidget* parent);
};

}  // namespace custovia
