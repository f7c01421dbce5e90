#pragma once
// The VAT number check window; a valid number also names the office that issued it.
#include "clients/windows/CheckWindow.h"

namespace custovia {

class TfrmPartitaIva final : public CheckWindow {
    Q_OBJECT
public:
    TfrmPartitaIva(Environment& env, QWidget* parent, const QString& callerText);
};

}  // namespace custovia
