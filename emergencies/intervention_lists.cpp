#include "emergencies/intervention_lists.h"

#include "archive/text.h"
#include "emergencies/interventions.h"

namespace custovia {

const std::vector<RowColumn>& interventionRowColumns() {
    static const std::vector<RowColumn> columns{
        {"Data: ", "txtData", 10},    {"  Cliente: ", "txtUtente", 26}, {"  Cel. ", "txtCelUte", 14},
        {"  Mezzo: ", "txtTipo", 30}, {"  Targa: ", "txtTarga", 10},    {"  ", "txtTecnico", 0},
    };
    return columns;
}

const RowBuilder& interventionRow() {
    static const RowBuilder row(interventionLayout(), interventionRowColumns());
    return row;
}

const std::vector<FilterField>& interventionFilters() {
    static const std::vector<FilterField> filters{
        {"txtData", "Data segnalazione (gg/mm/aaaa):", "txtData"},
        {"txtOperatore", "Centralinista:", "txtOperatore"},
        {"txtUtente", "Cliente segnalatore:", "txtUtente"},
        {"txtCelUte", "Tel. cellulare:", "txtCelUte"},
        {"txtGuasto", "Problema segnalato:", "txtGuasto"},
        {"txtLuogo", "Luogo emergenza:", "txtLuogo"},
        {"txtTipo", "Veicolo utilizzato:", "txtTipo"},
        {"txtTarga", "Targa:", "txtTarga"},
        {"txtTecnico", "Operatore di pronto intervento:", "txtTecnico"},
        {"txtNote", "Note:", "txtNote"},
    };
    return filters;
}

bool interventionInProgress(std::string_view recordBytes) {
    static const std::size_t flag = interventionLayout().indexOf("chkTerminato");
    return trimView(rawField(interventionLayout(), recordBytes, flag)) == kFlagNo;
}

}  // namespace custovia
