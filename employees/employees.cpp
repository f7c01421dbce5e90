#include "employees/employees.h"

namespace custovia {

const RecordLayout& employeeLayout() {
    static const RecordLayout layout{
        {"txtDipendente", 50}, {"txtSesso", 1},       {"txtDataNasc", 10}, {"txtCittadinanza", 50},
        {"txtLuogoNasc", 50},  {"txtIndirizzo", 120}, {"txtCitta", 50},    {"txtCap", 10},
        {"txtNazione", 50},    {"txtCodFisc", 16},    {"txtCivile", 50},   {"txtPartitaIva", 11},
        {"txtStudio", 120},    {"txtLingue", 120},    {"txtEmail", 50},    {"txtTel", 30},
        {"txtCel", 30},        {"txtQualifica", 50},  {"txtReparto", 50},  {"txtDisponibilita", 120},
        {"txtMansioni", 250},  {"txtIban", 27},       {"txtDataAss", 10},  {"txtRetribuzione", 250},
        {"txtNote", 250},      {"lblFile01", 250},    {"lblFile02", 250},  {"lblFile03", 250},
        {"lblDesc01", 250},    {"lblDesc02", 250},    {"lblDesc03", 250},
    };
    return layout;
}

const std::vector<RequiredText>& employeeSaveChecks() {
    static const std::vector<RequiredText> checks{
        {"txtDipendente",
         "Attenzione: per salvare la scheda è necessario indicare cognome e nome del dipendente."},
        {"txtSesso",
         "Attenzione: per salvare la scheda è necessario indicare il sesso del dipendente (M o F)."},
        {"txtCel",
         "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare dal dipendente."},
        {"txtQualifica",
         "Attenzione: per salvare la scheda è necessario indicare la qualifica dal dipendente."},
        {"txtReparto", "Attenzione: per salvare la scheda è necessario indicare il reparto del dipendente."},
    };
    return checks;
}

}  // namespace custovia
