#include "appointments/appointment_export.h"

#include "appointments/appointments.h"

namespace custovia {
namespace {

// The columns both exports share; the grids of the agenda show the date a little wider.
std::vector<ExportColumn> appointmentColumns(int dateWidth) {
    // grid column, grid header, grid width, record field, value, file header, file width
    return {
        {"colData", "Data appuntamento", dateWidth, "txtData", {}, "Data appuntamento", 180},
        {"colOra", "Ora", 100, "lblOra", {}, "Ora", 150},
        {"colTipologia", "Operatore", 200, "txtTipologia", {}, "Operatore", 280},
        {"colCausale", "Servizi richiesti", 300, "txtCausale", {}, "Servizi richiesti", 400},
        {"colDettagli", "Dettagli", 300, "txtDettagli", {}, "Dettagli", 400},
        {"colContatto", "Cliente", 250, "txtContatto", {}, "Cliente", 300},
        {"colTel", "Telefono", 150, "txtTel", {}, "Telefono", 200},
        {"colCel", "Cellulare", 150, "txtCel", {}, "Cellulare", 200},
        {"colEmail", "E-mail", 200, "txtEmail", {}, "E-mail", 250},
        {"colLuogo", "Modalità di pagamento", 250, "txtLuogo", {}, "Modalità di pagamento", 300},
        {"colImporto", "Importo", 180, "txtImporto", {}, "Importo", 200},
        {"colOttemperata", "Impegno assolto", 150, "chkOttemperata", {}, "Impegno assolto", 200},
        {"colNote", "Note", 300, "txtNote", {}, "Note", 400},
    };
}

ExportTable agendaTable(std::string fileName, std::string sheetName) {
    std::vector<ExportColumn> columns = appointmentColumns(140);
    columns.push_back({"colCodice", "Codice univoco", 150, "",
                       [](std::string_view bytes) { return appointmentKey(bytes); }, "Codice univoco", 150});
    return {std::move(columns), std::move(fileName), std::move(sheetName)};
}

}  // namespace

const ExportTable& appointmentExport() {
    static const ExportTable table{appointmentColumns(130), std::string(kAppointmentsExportFile),
                                   "Riepilogo Appuntamenti"};
    return table;
}

const ExportTable& agendaGridExport(GridSelection selection) {
    static const ExportTable imminent = agendaTable("Appuntamenti_Imminenti.xls", "Appuntamenti imminenti");
    static const ExportTable day = agendaTable("Appuntamenti_Giornalieri.xls", "Appuntamenti del giorno");
    static const ExportTable month = agendaTable("Appuntamenti_Mensili.xls", "Appuntamenti del mese");
    switch (selection) {
        case GridSelection::Imminent:
            return imminent;
        case GridSelection::Day:
            return day;
        case GridSelection::Month:
            break;
    }
    return month;
}

std::size_t agendaKeyColumn() { return agendaGridExport(GridSelection::Imminent).columns.size(); }

bool fillAgendaGrid(Archive& archive, GridSelection selection, const DateTime& chosen, DayNumber today,
                    GridRows& rows) {
    const auto selected = gridSelection(selection, chosen, today);
    const bool whole = fillFromArchive(archive, agendaGridExport(selection).columns, rows, selected);
    if (whole) rows.sortByColumn(agendaKeyColumn());
    return whole;
}

}  // namespace custovia
