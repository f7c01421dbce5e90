#include "appointments/appointment_lists.h"

#include "appointments/appointments.h"
#include "archive/text.h"

namespace custovia {

const RowBuilder& appointmentRow() {
    static const RowBuilder row(appointmentLayout(), {{"Data: ", "txtData", 10},
                                                      {"  Ora: ", "lblOra", 5},
                                                      {"  ", "txtCausale", 42},
                                                      {"  Cliente: ", "txtContatto", 30},
                                                      {"  Cel. ", "txtCel", 14},
                                                      {"  Importo: € ", "txtImporto", 0}});
    return row;
}

const std::vector<FilterField>& appointmentFilters() {
    static const std::vector<FilterField> filters{
        {"txtData", "Data appuntamento (gg/mm/aaaa):", "txtData"},
        {"txtOra", "Ora (hh:mm):", "lblOra"},
        {"txtTipologia", "Operatore:", "txtTipologia"},
        {"txtCausale", "Servizi richiesti dal cliente:", "txtCausale"},
        {"txtDettagli", "Dettagli:", "txtDettagli"},
        {"txtContatto", "Cognome e nome cliente:", "txtContatto"},
        {"txtTel", "Telefono:", "txtTel"},
        {"txtCel", "Cellulare:", "txtCel"},
        {"txtLuogo", "Modalità di pagamento:", "txtLuogo"},
        {"txtNote", "Note:", "txtNote"},
    };
    return filters;
}

RecordCondition statusCondition(AppointmentStatus status, DayNumber today) {
    const std::size_t flag = appointmentFields().ottemperata;
    const std::size_t date = appointmentFields().data;
    // the flag is compared as stored, in the file's code page
    const auto flagIs = [flag](std::string_view bytes, std::string_view stored) {
        return trimView(rawField(appointmentLayout(), bytes, flag)) == stored;
    };
    switch (status) {
        case AppointmentStatus::Pending:
            return [flagIs](std::string_view bytes) { return flagIs(bytes, kFlagNo); };
        case AppointmentStatus::Done:
            return [flagIs, yes = toCp1252(kFlagYes)](std::string_view bytes) { return flagIs(bytes, yes); };
        case AppointmentStatus::Expired:
            return [flagIs, date, today](std::string_view bytes) {
                if (!flagIs(bytes, kFlagNo)) return false;
                const auto day = readDate(rawField(appointmentLayout(), bytes, date));
                return day && *day < today;
            };
    }
    return {};
}

}  // namespace custovia
