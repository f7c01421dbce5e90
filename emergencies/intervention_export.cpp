#include "emergencies/intervention_export.h"

namespace custovia {

const ExportTable& interventionExport() {
    // grid column, grid header, grid width, record field, value, file header, file width
    static const ExportTable table{
        {
            {"colData", "Data intervento", 150, "txtData", {}, "Data intervento", 180},
            {"colOra", "Ora", 100, "lblOra", {}, "Ora", 150},
            {"colOperatore", "Centralinista", 220, "txtOperatore", {}, "Centralinista", 280},
            {"colUtente", "Cliente segnalatore", 250, "txtUtente", {}, "Cliente segnalatore", 280},
            {"colCelUte", "Tel. cellulare", 150, "txtCelUte", {}, "Tel. cellulare", 200},
            {"colGuasto", "Problema segnalato", 300, "txtGuasto", {}, "Problema segnalato", 400},
            {"colLuogo", "Luogo emergenza", 300, "txtLuogo", {}, "Luogo emergenza", 400},
            {"colTipo", "Veicolo utilizzato", 250, "txtTipo", {}, "Veicolo utilizzato", 280},
            {"colTarga", "Targa", 150, "txtTarga", {}, "Targa", 200},
            {"colTecnico",
             "Operatore di pronto intervento",
             250,
             "txtTecnico",
             {},
             "Operatore di pronto intervento",
             280},
            {"colCelTec", "Tel. cellulare", 150, "txtCelTec", {}, "Tel. cellulare", 200},
            {"colNote", "Note", 300, "txtNote", {}, "Note", 400},
            {"colTerminato", "Intervento terminato", 150, "chkTerminato", {}, "Intervento terminato", 200},
        },
        std::string(kInterventionsExportFile),
        "Riepilogo Interventi",
    };
    return table;
}

}  // namespace custovia
