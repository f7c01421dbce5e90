#pragma once
// The employee search window. Under the mode tag "dipendenti" the chosen employee is loaded
// into the employee card with its photo; under "interventi" the employee's name and mobile
// become the field operator of the intervention card.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmTrovaDipendenti final : public ListWindow {
    Q_OBJECT
public:
    TfrmTrovaDipendenti(Environment& env, QWidget* parent);
};

}  // namespace custovia
