#pragma once
// The appointments not kept whose day is over (dated before today). A double-click loads the chosen card into
// the appointment card editor.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmScaduti final : public ListWindow {
    Q_OBJECT
public:
    TfrmScaduti(Environment& env, QWidget* parent);
};

}  // namespace custovia
