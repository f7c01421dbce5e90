#pragma once
// The preview of the printed employee card: "Annulla" or "Mostra anteprima", which fills
// "Scheda Dipendente" as the print window does and shows it in the preview window.
#include "archive/card_values.h"
#include "report/windows/PrintDialog.h"

namespace custovia {

class TfrmAnteprimaDipendenti final : public report::PrintDialog {
    Q_OBJECT
public:
    TfrmAnteprimaDipendenti(QWidget* owner, Environment& env, CardValues screen, const QImage& photo);
};

}  // namespace custovia
