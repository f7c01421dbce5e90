#pragma once
// The appointments not yet kept, past or future. A double-click loads the chosen card into the
// appointment card editor.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmConfermati final : public ListWindow {
    Q_OBJECT
public:
    TfrmConfermati(Environment& env, QWidget* parent);
};

}  // namespace custovia
