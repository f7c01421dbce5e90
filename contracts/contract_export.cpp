#include "contracts/contract_export.h"

#include "contracts/contracts.h"

namespace custovia {
namespace {

ExportColumn column(const char* name, const char* header, int gridWidth, const char* field, int fileWidth) {
    return {name, header, gridWidth, field, {}, header, fileWidth};
}

}  // namespace

const ExportTable& contractExport() {
    // grid column, header, grid width, record field, file width
    static const ExportTable table{
        {
            column("colNumContratto", "Contratto n.", 150, "txtNumContratto", 200),
            {"colData", "Data stipula", 120, "txtData", {}, "Data", 150},
            column("colLuogo", "Luogo stipula", 200, "txtLuogo", 250),
            column("colCliente", "Cliente", 200, "txtCliente", 250),
            // the client's town followed by the province code
            {"colComuneCli",
             "Comune di residenza",
             200,
             "txtComuneCli",
             {},
             "Comune di residenza",
             250,
             "txtProvCli"},
            column("colViaCli", "Via e numero civico", 250, "txtViaCli", 300),
            column("colPartitaIvaCli", "Partita IVA", 120, "txtPartitaIvaCli", 200),
            column("colCodFiscCli", "Codice Fiscale", 150, "txtCodFiscCli", 200),
            column("colTelCli", "Telefono", 150, "txtTelCli", 250),
            column("colQualitaCli", "Frequenza ispezioni", 250, "txtQualitaCli", 250),
            column("colTipoImpianto", "Tipo sito vigilato", 200, "txtTipoImpianto", 250),
            column("colMarca", "Ubicazione sito", 300, "txtMarca", 400),
            column("colMatricola", "Durata contratto", 250, "txtMatricola", 250),
            column("colAlimentazione", "Cadenza reportistica", 300, "txtAlimentazione", 300),
            column("colAnnoCostruz", "Foro competente", 250, "txtAnnoCostruz", 250),
            column("colCaratteristiche", "Condizioni per recesso", 350, "txtCaratteristiche", 400),
            column("colUbicazione", "Polizza assicurativa", 350, "txtUbicazione", 400),
            column("colDurata", "Orari ispezioni", 250, "txtDurata", 300),
            column("colTotale", "Durata media", 250, "txtTotale", 250),
            column("colPeriodicita", "Periodicità canone", 200, "txtPeriodicita", 250),
            column("colImpCanone", "Importo canone", 200, "txtImpCanone", 200),
            column("colPagamento", "Modalità di pagamento", 250, "txtPagamento", 300),
            column("colOpInc01", "Attività 1 inclusa in contratto", 300, "txtOpInc01", 400),
            column("colOpInc02", "Attività 2 inclusa in contratto", 300, "txtOpInc02", 400),
            column("colOpInc03", "Attività 3 inclusa in contratto", 300, "txtOpInc03", 400),
        },
        std::string(kContractsExportFile),
        "Riepilogo Contratti",
    };
    return table;
}

}  // namespace custovia
