#include "contracts/contract_lists.h"

#include "contracts/contracts.h"

namespace custovia {

const std::vector<RowColumn>& contractRowColumns() {
    static const std::vector<RowColumn> columns{
        {"", "txtCliente", 28},
        {"  Tel. ", "txtTelCli", 20},
        {"  Tipo: ", "txtTipoImpianto", 25},
        {"  ", "txtMarca", 30},
        {"  Contratto n. ", "txtNumContratto", 0},
        {" del ", "txtData", 0},
    };
    return columns;
}

const RowBuilder& contractRow() {
    static const RowBuilder row(contractLayout(), contractRowColumns());
    return row;
}

const std::vector<FilterField>& contractFilters() {
    static const std::vector<FilterField> filters{
        {"txtCliente", "Cliente:", "txtCliente"},
        {"txtComuneCli", "Comune di residenza:", "txtComuneCli"},
        {"txtPartitaIvaCli", "Partita IVA:", "txtPartitaIvaCli"},
        {"txtCodFiscCli", "Codice fiscale:", "txtCodFiscCli"},
        {"txtData", "Data stipula contratto (gg/mm/aaaa):", "txtData"},
        {"txtMarca", "Ubicazione sito vigilato:", "txtMarca"},
        {"txtMatricola", "Durata contratto:", "txtMatricola"},
        {"txtTipoImpianto", "Tipo sito vigilato:", "txtTipoImpianto"},
        {"txtOpInc01", "Attività 1 compresa in contratto:", "txtOpInc01"},
        {"txtOpInc02", "Attività 2 compresa in contratto:", "txtOpInc02"},
    };
    return filters;
}

}  // namespace custovia
