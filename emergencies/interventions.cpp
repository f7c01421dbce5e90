#include "emergencies/interventions.h"

namespace custovia {

const RecordLayout& interventionLayout() {
    static const RecordLayout layout{
        {"txtData", 10},    {"txtOre", 2},        {"txtMinuti", 2},
        {"lblOra", 5},      {"txtOperatore", 50}, {"txtUtente", 50},
        {"txtCelUte", 30},  {"txtGuasto", 250},   {"txtLuogo", 250},
        {"txtTipo", 250},   {"txtTarga", 12},     {"txtTecnico", 50},
        {"txtCelTec", 30},  {"txtNote", 250},     {"chkTerminato", 2, FieldKind::Flag},
        {"lblFile01", 250}, {"lblFile02", 250},   {"lblFile03", 250},
        {"lblDesc01", 250}, {"lblDesc02", 250},   {"lblDesc03", 250},
    };
    return layout;
}

}  // namespace custovia
