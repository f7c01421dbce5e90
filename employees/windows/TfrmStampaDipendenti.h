#pragma once
// The printed employee card: "Annulla" or "Stampa", which fills "Scheda Dipendente" from the
// card on screen (saved or not) and its photo, prints it through the print dialog and closes.
#include "archive/card_values.h"
#include "report/windows/PrintDialog.h"

namespace custovia {

class TfrmStampaDipendenti final : public report::PrintDialog {
    Q_OBJECT
public:
    TfrmStampaDipendenti(QWidget* owner, Environment& env, CardValues screen, const QImage& photo);
};

// What the print and the preview window of the employee card put into the report: the photo
// (the euro sign when the card's picture cannot be had) and the card's values.
report::FillReport fillEmployeeReport(CardValues screen, const QImage& photo);

}  // namespace custovia
