#include "clients/windows/TfrmPartitaIva.h"

namespace custovia {
namespace {

const CheckWindowSetup kSetup = {
    .windowName = "TfrmPartitaIva",
    .caption = " Controllo partita IVA",
    .title = "Immettere il numero di partita IVA e premere il pulsante di controllo.",
    .inputName = "txtPartitaIva",
    .maxLength = 11,
    .upperTrimmed = false,
    .digitKeys = true,
    .check = checkVatNumber,
};

}  // namespace

TfrmPartitaIva::TfrmPartitaIva(Environment& env, QWidget* parent, const QString& callerText)
    : CheckWindow(env, parent, callerText, kSetup) {}

}  // namespace custovia
