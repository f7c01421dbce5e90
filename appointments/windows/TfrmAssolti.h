#pragma once
// The appointments already kept. A double-click loads the chosen card into the
// appointment card editor.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmAssolti final : public ListWindow {
    Q_OBJECT
public:
    TfrmAssolti(Environment& env, QWidget* parent);
};

}  // namespace custovia
