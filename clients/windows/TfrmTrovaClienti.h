#pragma once
// The search window of the client archive, also the client picker of the other work areas.
// The mode tag says where a chosen client goes: "clienti" loads the whole card into the
// client card editor; "interventi", "scadenze" and "contratto" copy some of its fields into
// the card editor registered under that tag.
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmTrovaClienti final : public ListWindow {
    Q_OBJECT
public:
    TfrmTrovaClienti(Environment& env, const QString& mode, QWidget* parent = nullptr);
};

}  // namespace custovia
