#pragma once
// The tax code check window.
#include "clients/windows/CheckWindow.h"

namespace custovia {

class TfrmCodFisc final : public CheckWindow {
    Q_OBJECT
public:
    TfrmCodFisc(Environment& env, QWidget* parent, const QString& callerText);
};

}  // namespace custovia
