#include "appointments/windows/StatusListConfig.h"

#include "appointments/appointments.h"
#include "appointments/windows/TfrmTrovaScadenze.h"

namespace custovia {

ListConfig statusListConfig(Environment& env, AppointmentStatus status, const QString& objectName,
                            const QString& caption, const QString& printTitle) {
    ListConfig c;
    c.objectName = objectName;
    c.caption = caption;
    c.kind = ListKind::Summary;
    c.archiveFile = std::string(kAppointmentsFile);
    c.layout = &appointmentLayout();
    c.row = [](std::string_view bytes) { return appointmentRow()(bytes); };
    c.condition = statusCondition(status, dayNumber(env.clock.now()));
    c.printTitle = printTitle;
    c.otherTags = loadIntoAppointmentEditor(env);
    return c;
}

}  // namespace custovia
