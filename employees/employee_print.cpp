#include "employees/employee_print.h"

#include "archive/text.h"

namespace custovia {

void fillEmployeeCard(report::Template& card, const CardValues& screen) {
    // the objects carry the names of the fields they print, but for the languages
    for (const char* same :
         {"txtDipendente", "txtLuogoNasc",    "txtDataNasc",     "txtSesso",     "txtIndirizzo",
          "txtCitta",      "txtCap",          "txtNazione",      "txtCodFisc",   "txtStudio",
          "txtReparto",    "txtCivile",       "txtCittadinanza", "txtQualifica", "txtDisponibilita",
          "txtEmail",      "txtTel",          "txtCel",          "txtDataAss",   "txtIban",
          "txtPartitaIva", "txtRetribuzione", "txtMansioni",     "txtNote"})
        card.setText(same, trim(screen(same)));
    card.setText("txtlingue", trim(screen("txtLingue")));
}

}  // namespace custovia
