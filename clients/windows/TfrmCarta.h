#pragma once
// The payment card check window: the check digit, then the card type.
#include "clients/windows/CheckWindow.h"

namespace custovia {

class TfrmCarta final : public CheckWindow {
    Q_OBJECT
public:
    TfrmCarta(Environment& env, QWidget* parent, const QString& callerText);
};

}  // namespace custovia
