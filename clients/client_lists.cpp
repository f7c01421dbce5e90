#include "clients/client_lists.h"

#include <string>

#include "archive/text.h"
#include "clients/clients.h"

namespace custovia {

const std::vector<RowColumn>& clientRowColumns(std::string_view lastField) {
    static const auto columns = [](const char* last) {
        return std::vector<RowColumn>{
            {"", "txtCliente", 26},
            {"  Tel. ", "txtRecapito", 15},
            {"  Zona: ", "txtZona", 25},
            {"  Legale: ", "txtProdotti", 28},
            {"  ", last, 0},
        };
    };
    static const std::vector<RowColumn> notes = columns("txtNote");
    static const std::vector<RowColumn> issues = columns("txtQuestioni");
    return lastField == "txtQuestioni" ? issues : notes;
}

const RowBuilder& clientSearchRow() {
    static const RowBuilder row(clientLayout(), clientRowColumns("txtNote"));
    return row;
}

const RowBuilder& clientRecontactRow() {
    static const RowBuilder row(clientLayout(), clientRowColumns("txtQuestioni"));
    return row;
}

const std::vector<FilterField>& clientFilters() {
    static const std::vector<FilterField> filters{
        {"txtCliente", "Cognome e nome:", "txtCliente"},
        {"txtComuneRes", "Comune di residenza:", "txtComuneRes"},
        {"txtPartitaIva", "Partita IVA:", "txtPartitaIva"},
        {"txtCodFisc", "Codice fiscale:", "txtCodFisc"},
        {"txtDocumento", "Estremi documento:", "txtDocumento"},
        {"txtOccupazione", "Occupazione:", "txtOccupazione"},
        {"txtProdotti", "Rappresentante legale:", "txtProdotti"},
        {"txtZona", "Zona:", "txtZona"},
        {"txtQuestioni", "Questioni in sospeso:", "txtQuestioni"},
        {"txtNote", "Note:", "txtNote"},
    };
    return filters;
}

bool clientToRecontact(std::string_view recordBytes) {
    static const std::size_t flag = clientLayout().indexOf("chkRicontatta");
    static const std::string yes = toCp1252(kFlagYes);
    return trimView(rawField(clientLayout(), recordBytes, flag)) == yes;
}

const std::vector<ImportTarget>& clientImportTargets(std::string_view tag) {
    static const std::vector<ImportTarget> none;
    static const std::vector<ImportTarget> intervention{{"txtCliente", "txtUtente"},
                                                        {"txtTelCel", "txtCelUte"}};
    static const std::vector<ImportTarget> appointment{
        {"txtCliente", "txtContatto"}, {"txtRecapito", "txtTel"},  {"txtTelCel", "txtCel"},
        {"txtEmail", "txtEmail"},      {"txtEstremi", "txtLuogo"},
    };
    static const std::vector<ImportTarget> contract{
        {"txtCliente", "txtCliente"},          {"txtComuneRes", "txtComuneCli"},
        {"txtProvRes", "txtProvCli"},          {"txtCapRes", "txtCapCli"},
        {"txtPartitaIva", "txtPartitaIvaCli"}, {"txtCodFisc", "txtCodFiscCli"},
        {"txtIndirizzoRes", "txtViaCli"},      {"txtRecapito", "txtTelCli"},
        {"txtEstremi", "txtPagamento"},
    };
    if (tag == kInterventionImportTag) return intervention;
    if (tag == kAppointmentImportTag) return appointment;
    if (tag == kContractImportTag) return contract;
    return none;
}

}  // namespace custovia
