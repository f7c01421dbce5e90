#pragma once
// Appointment records for the tests, written the way the card editor writes them.
#include <string>

#include "appointments/appointments.h"
#include "archive/archive.h"
#include "tests/support/files.h"

namespace custovia::test {

struct Appointment {
    std::string data, ore = "09", minuti = "00", avviso = "0", contatto = "Rossi Mario", fatto = "No",
                      causale = "Sopralluogo impianto", cel = "3331234567", importo = "0,00", tipologia = "";
};

inline Record appointmentRecord(const Appointment& a) {
    Record r(appointmentLayout());
    r.set("txtData", a.data);
    r.set("txtOreApp", a.ore);
    r.set("txtMinutiApp", a.minuti);
    r.set("lblOra", a.ore + ":" + a.minuti);
    r.set("txtAvviso", a.avviso);
    r.set("txtTipologia", a.tipologia);
    r.set("txtCausale", a.causale);
    r.set("txtContatto", a.contatto);
    r.set("txtCel", a.cel);
    r.set("txtImporto", a.importo);
    r.set("chkOttemperata", a.fatto);
    return r;
}

// An appointment archive in a temporary program folder.
class AppointmentFile {
public:
    Archive archive() const { return Archive(folder_.path() / kAppointmentsFile, appointmentLayout()); }
    void store(std::initializer_list<Appointment> cards) const {
        Archive file = archive();
        for (const Appointment& a : cards) file.append(appointmentRecord(a));
    }
    const std::filesystem::path& folder() const { return folder_.path(); }

private:
    TempFolder folder_;
};

}  // namespace custovia::test
