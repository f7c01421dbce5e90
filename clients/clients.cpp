#include "clients/clients.h"

namespace custovia {

const RecordLayout& clientLayout() {
    static const RecordLayout layout{
        {"txtCliente", 50},      {"txtDataNasc", 30},    {"txtComuneNasc", 50},
        {"txtProvNasc", 2},      {"txtSesso", 1},        {"txtRecapito", 50},
        {"txtIndirizzoRes", 50}, {"txtProvRes", 2},      {"txtComuneRes", 50},
        {"txtCapRes", 5},        {"txtEstremi", 250},    {"txtTelCasa", 30},
        {"txtTelUff", 30},       {"txtTelCel", 30},      {"txtFax", 30},
        {"txtEmail", 50},        {"txtCodFisc", 16},     {"txtCarta", 30},
        {"txtScadeCarta", 30},   {"txtPartitaIva", 11},  {"txtIban", 27},
        {"txtDocumento", 120},   {"txtOccupazione", 50}, {"txtCivile", 50},
        {"txtTitoli", 120},      {"txtProdotti", 120},   {"txtZona", 50},
        {"txtQuestioni", 250},   {"txtNote", 250},       {"chkRicontatta", 2, FieldKind::Flag},
        {"lblFile01", 250},      {"lblFile02", 250},     {"lblFile03", 250},
        {"lblDesc01", 250},      {"lblDesc02", 250},     {"lblDesc03", 250},
    };
    return layout;
}

}  // namespace custovia
