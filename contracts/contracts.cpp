#include "contracts/contracts.h"

namespace custovia {

const RecordLayout& contractLayout() {
    static const RecordLayout layout{
        {"txtNumContratto", 30}, {"txtData", 10},
        {"txtLuogo", 50},        {"txtDitta", 120},
        {"txtPartitaIva", 11},   {"txtCodFisc", 16},
        {"txtSede", 50},         {"txtProvRes", 2},
        {"txtCapRes", 5},        {"txtVia", 120},
        {"txtTelUff", 30},       {"txtTelCel", 50},
        {"txtFax", 120},         {"txtCliente", 50},
        {"txtComuneCli", 50},    {"txtProvCli", 2},
        {"txtCapCli", 5},        {"txtPartitaIvaCli", 11},
        {"txtCodFiscCli", 16},   {"txtViaCli", 120},
        {"txtTelCli", 30},       {"txtQualitaCli", 50},
        {"txtTipoImpianto", 50}, {"txtMarca", 250},
        {"txtMatricola", 50},    {"txtAlimentazione", 120},
        {"txtAnnoCostruz", 50},  {"txtCaratteristiche", 250},
        {"txtUbicazione", 250},  {"txtDurata", 50},
        {"txtTotale", 50},       {"txtPeriodicita", 50},
        {"txtImpCanone", 15},    {"txtPagamento", 250},
        {"txtOpInc01", 120},     {"txtOpInc02", 120},
        {"txtOpInc03", 120},     {"txtOpInc04", 120},
        {"txtOpEsc01", 120},     {"txtOpEsc02", 120},
        {"txtOpEsc03", 120},     {"txtOpEsc04", 120},
        {"lblFile01", 250},      {"lblFile02", 250},
        {"lblFile03", 250},      {"lblDesc01", 250},
        {"lblDesc02", 250},      {"lblDesc03", 250},
    };
    return layout;
}

}  // namespace custovia
