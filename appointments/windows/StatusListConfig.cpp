#include "appointments/windows/StatusListConfig.h"

#include "appointments/appointments.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

struct StatusList {
    AppointmentStatus status;
    const char* objectName;
    const char* title;   // printed; the caption is the title after a blank
    const char* header;  // the picture across the top, and what it reads
    const char* headerText;
};

constexpr StatusList kStatusLists[] = {
    {AppointmentStatus::Pending, "TfrmConfermati", "Riepilogo impegni da assolvere", "titolo_da_assolvere",
     "IMPEGNI DA ASSOLVERE"},
    {AppointmentStatus::Expired, "TfrmScaduti", "Riepilogo impegni scaduti e non assolti", "titolo_scaduti",
     "IMPEGNI SCADUTI E NON ASSOLTI"},
    {AppointmentStatus::Done, "TfrmAssolti", "Riepilogo impegni assolti", "titolo_assolti",
     "IMPEGNI ASSOLTI"},
};

const QString kFindInstruction = QStringLiteral(
    "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il "
    "pulsante Trova. Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
    "nuovo clic su Trova.");

}  // namespace

ListConfig statusListConfig(Environment& env, AppointmentStatus status) {
    const StatusList* list = std::begin(kStatusLists);
    while (list->status != status) ++list;
    ListConfig c =
        summaryList(env, {kAppointmentsFile, appointmentLayout(), kAppointmentsTag, appointmentRow()},
                    statusCondition(status, dayNumber(env.clock.now())), QLatin1String(list->objectName),
                    QStringLiteral(" ") + QString::fromUtf8(list->title), QString::fromUtf8(list->title));
    c.size = QSize(862, 640);  // the header and the instruction above the list
    c.header = pictureResource(list->header);
    c.headerText = QString::fromUtf8(list->headerText);
    c.findInstruction = kFindInstruction;
    return c;
}

}  // namespace custovia
