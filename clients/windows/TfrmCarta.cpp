#include "clients/windows/TfrmCarta.h"

namespace custovia {
namespace {

const CheckWindowSetup kSetup = {
    .windowName = "TfrmCarta",
    .caption = " Controllo carta di credito",
    .title = "Immettere il numero di carta di credito e premere il pulsante di controllo.",
    .inputName = "txtNumero",
    .maxLength = 30,
    .upperTrimmed = true,
    .digitKeys = true,
    .check = checkPaymentCard,
};

}  // namespace

TfrmCarta::TfrmCarta(Environment& env, QWidget* parent, const QString& callerText)
    : CheckWindow(env, parent, callerText, kSetup) {}

}  // namespace custovia
