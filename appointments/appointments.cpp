#include "appointments/appointments.h"

namespace custovia {

const RecordLayout& appointmentLayout() {
    // each field is named after the control that shows it, also where the name and the
    // caption differ: txtTipologia holds the operator, txtCausale the services, txtLuogo the
    // payment method and chkOttemperata the done flag
    static const RecordLayout layout{
        {"txtData", 10},     {"txtOreApp", 2},
        {"txtMinutiApp", 2}, {"lblOra", 5},
        {"txtAvviso", 3},    {"txtTipologia", 50},
        {"txtCausale", 250}, {"txtDettagli", 250},
        {"txtContatto", 50}, {"txtTel", 30},
        {"txtCel", 30},      {"txtEmail", 50},
        {"txtLuogo", 250},   {"txtImporto", 15},
        {"txtNote", 250},    {"chkOttemperata", 2, FieldKind::Flag},
    };
    return layout;
}

const AppointmentFields& appointmentFields() {
    static const AppointmentFields fields = [] {
        const RecordLayout& l = appointmentLayout();
        return AppointmentFields{
            l.indexOf("txtData"),       l.indexOf("txtOreApp"),   l.indexOf("txtMinutiApp"),
            l.indexOf("lblOra"),        l.indexOf("txtAvviso"),   l.indexOf("txtTipologia"),
            l.indexOf("txtCausale"),    l.indexOf("txtDettagli"), l.indexOf("txtContatto"),
            l.indexOf("txtTel"),        l.indexOf("txtCel"),      l.indexOf("txtEmail"),
            l.indexOf("txtLuogo"),      l.indexOf("txtImporto"),  l.indexOf("txtNote"),
            l.indexOf("chkOttemperata")};
    }();
    return fields;
}

}  // namespace custovia
