#pragma once
// The clients to call back: every card whose "Da ricontattare" box is ticked, in archive order;
// a double-click loads the chosen card into the client card editor.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmRicontatta final : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmRicontatta(Environment& env, QWidget* parent = nullptr);
};

}  // namespace custovia
