#pragma once
// The IBAN check window.
#include "clients/windows/CheckWindow.h"

namespace custovia {

class TfrmIban final : public CheckWindow {
    Q_OBJECT
public:
    TfrmIban(Environment& env, QWidget* parent, const QString& callerText);
};

}  // namespace custovia
