#pragma once
// What the contract's print and preview windows share: on showing they read the firm's logo
// (Logo.bmp, or the euro-sign logo), and their action fills the two-page "Contratto
// Vigilanza" template from the card on screen, saved or not, with that logo.
#include <QImage>

#include "archive/card_values.h"
#include "report/windows/PrintDialog.h"

namespace custovia {

class ContractPrintDialog : public report::PrintDialog {
    Q_OBJECT
public:
    ContractPrintDialog(QWidget* owner, Environment& env, report::PrintDialogSetup setup, CardValues screen);

    const QImage& logo() const { return logo_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QImage logo_;
};

}  // namespace custovia
