#include "clients/windows/TfrmCodFisc.h"

namespace custovia {
namespace {

const CheckWindowSetup kSetup = {
    .windowName = "TfrmCodFisc",
    .caption = " Controllo codice fiscale",
    .title = "Immettere il codice fiscale e premere il pulsante di controllo.",
    .inputName = "txtCodFisc",
    .maxLength = 16,
    .upperTrimmed = true,
    .digitKeys = false,
    .check = checkTaxCode,
};

}  // namespace

TfrmCodFisc::TfrmCodFisc(Environment& env, QWidget* parent, const QString& callerText)
    : CheckWindow(env, parent, callerText, kSetup) {}

}  // namespace custovia
