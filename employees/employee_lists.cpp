#include "employees/employee_lists.h"

#include "employees/employees.h"

namespace custovia {

const std::vector<RowColumn>& employeeRowColumns() {
    static const std::vector<RowColumn> columns{
        {"", "txtDipendente", 26},     {"  Cel. ", "txtCel", 14},           {"  Qual. ", "txtQualifica", 24},
        {"  Rep. ", "txtReparto", 24}, {"  Disp. ", "txtDisponibilita", 0},
    };
    return columns;
}

const RowBuilder& employeeRow() {
    static const RowBuilder row(employeeLayout(), employeeRowColumns());
    return row;
}

const std::vector<FilterField>& employeeFilters() {
    static const std::vector<FilterField> filters{
        {"txtDipendente", "Cognome e nome:", "txtDipendente"},
        {"txtDataNasc", "Data di nascita (gg/mm/aaaa):", "txtDataNasc"},
        {"txtCittadinanza", "Cittadinanza:", "txtCittadinanza"},
        {"txtLuogoNasc", "Luogo di nascita:", "txtLuogoNasc"},
        {"txtCodFisc", "Codice fiscale:", "txtCodFisc"},
        {"txtDisponibilita", "Disponibilità:", "txtDisponibilita"},
        {"txtQualifica", "Qualifica:", "txtQualifica"},
        {"txtReparto", "Reparto:", "txtReparto"},
        {"txtMansioni", "Equipaggiamento in dotazione:", "txtMansioni"},
        {"txtNote", "Note:", "txtNote"},
    };
    return filters;
}

}  // namespace custovia
