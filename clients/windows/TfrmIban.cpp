#include "clients/windows/TfrmIban.h"

namespace custovia {
namespace {

const CheckWindowSetup kSetup = {
    .windowName = "TfrmIban",
    .caption = " Controllo IBAN",
    .title = "Immettere l'IBAN e premere il pulsante di controllo.",
    .inputName = "txtIban",
    .maxLength = 27,
    .upperTrimmed = true,
    .digitKeys = false,
    .check = checkIban,
};

}  // namespace

TfrmIban::TfrmIban(Environment& env, QWidget* parent, const QString& callerText)
    : CheckWindow(env, parent, callerText, kSetup) {}

}  // namespace custovia
