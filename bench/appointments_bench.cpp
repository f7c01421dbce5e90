// The appointment area's figures over a generated archive of 100,000 appointments: the raw
// read of the file, the agenda (imminent rule, rows and sort), the month grid, the three status
// lists, the search with one and two criteria and the month grid's export. Each is printed
// beside the raw read of the same file.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "appointments/agenda.h"
#include "appointments/appointment_export.h"
#include "appointments/appointment_lists.h"
#include "appointments/appointments.h"
#include "archive/archive.h"
#include "archive/list_search.h"
#include "bench/bench_support.h"

namespace {

using namespace custovia;

constexpr std::size_t kAppointments = 100000;
const DateTime kToday{2026, 3, 10};

// Appointments over four years around today, a third of them kept, with accented names,
// notice days from none to a month and some notes at full capacity.
void generateAppointments(const std::filesystem::path& file) {
    constexpr std::array clients = {"Rossi Mario",      "Bianchi Lucia",  "Esposito Niccolò",
                                    "Romano Giulia",    "Colombo Andrea", "Società Vigilanza",
                                    "De Luca Beatrice", "Giordano Élise"};
    constexpr std::array services = {"Sopralluogo impianto d'allarme", "Installazione telecamere",
                                     "Manutenzione centrale", "Preventivo servizio di ronda notturna",
                                     "Collaudo videosorveglianza"};
    constexpr std::array operators = {"Anna Neri", "Paolo Verdi", "Sara Fabbri", "Luca Bianchi"};
    std::mt19937 random(20260310);
    std::string bytes;
    bytes.reserve(kAppointments * appointmentLayout().size());
    for (std::size_t i = 0; i < kAppointments; ++i) {
        Record r(appointmentLayout());
        char date[11], hh[3], mm[3], time[6];
        const int hour = 7 + int(random() % 12), minute = int(random() % 4) * 15;
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", 1 + int(random() % 28), 1 + int(random() % 12),
                      2024 + int(random() % 4));
        std::snprintf(hh, sizeof hh, "%02d", hour);
        std::snprintf(mm, sizeof mm, "%02d", minute);
        std::snprintf(time, sizeof time, "%02d:%02d", hour, minute);
        r.set("txtData", date);
        r.set("txtOreApp", hh);
        r.set("txtMinutiApp", mm);
        r.set("lblOra", time);
        r.set("txtAvviso", std::to_string(random() % 31));
        r.set("txtTipologia", operators[random() % operators.size()]);
        r.set("txtCausale", services[random() % services.size()]);
        r.set("txtDettagli", "Portare il modulo di consenso e la planimetria dei locali");
        r.set("txtContatto", std::string(clients[random() % clients.size()]) + " " + std::to_string(i % 997));
        r.set("txtTel", "051 " + std::to_string(100000 + random() % 900000));
        r.set("txtCel", "3" + std::to_string(100000000 + random() % 900000000));
        r.set("txtEmail", "cliente" + std::to_string(i % 997) + "@example.it");
        r.set("txtLuogo", i % 2 ? "Bonifico bancario a 30 giorni" : "Contanti alla consegna");
        r.set("txtImporto", std::to_string(random() % 2000) + ",50");
        r.set("txtNote", i % 10 == 0 ? std::string(250, 'n') : "Citofonare al custode");
        r.set("chkOttemperata", random() % 3 == 0 ? "Sì" : "No");
        bytes.append(r.bytes());
    }
    bench::writeArchive(file, bytes, appointmentLayout());
}

std::vector<std::string> search(Archive& archive,
                                std::initializer_list<std::pair<std::string, std::string>> typed) {
    std::vector<SearchFilter> filters;
    for (const FilterField& f : appointmentFilters()) {
        filters.push_back({f.field, ""});
        for (const auto& [control, text] : typed)
            if (control == f.control) filters.back().typed = text;
    }
    return bench::searchRows(archive, filters, appointmentRow());
}

void run(const std::filesystem::path& folder) {
    const auto file = folder / std::string(kAppointmentsFile);
    generateAppointments(file);
    Archive archive(file, appointmentLayout());
    const DayNumber today = dayNumber(kToday);
    std::size_t sink = 0;
    const double raw = bench::bestSeconds([&] { sink += bench::rawRead(file); });
    bench::report("appointments-raw-read", raw, raw);

    using Rows = std::vector<std::string>;
    std::vector<Rows> lists;
    bench::report("appointments-agenda-fill",
                  bench::bestFillSeconds(lists, Rows(),
                                         [&](Rows& rows) {
                                             collectAgenda(archive, today, rows);
                                             sortAgenda(rows);
                                         }),
                  raw);
    lists.clear();

    std::vector<GridRows> grids;
    const auto gridSeconds = [&](GridSelection selection) {
        return bench::bestFillSeconds(
            grids, GridRows(agendaGridExport(selection).columns.size() + 1),
            [&](GridRows& grid) { fillAgendaGrid(archive, selection, kToday, today, grid); });
    };
    bench::report("appointments-month-fill", gridSeconds(GridSelection::Month), raw);
    const GridRows month = std::move(grids.back());
    grids.clear();
    bench::report("appointments-imminent-grid-fill", gridSeconds(GridSelection::Imminent), raw);
    grids.clear();

    const std::pair<const char*, AppointmentStatus> statuses[] = {
        {"appointments-pending-fill", AppointmentStatus::Pending},
        {"appointments-expired-fill", AppointmentStatus::Expired},
        {"appointments-done-fill", AppointmentStatus::Done},
    };
    for (const auto& [name, status] : statuses) {
        const RecordCondition condition = statusCondition(status, today);
        bench::report(
            name,
            bench::bestFillSeconds(
                lists, Rows(), [&](Rows& rows) { collectRows(archive, condition, appointmentRow(), rows); }),
            raw);
        lists.clear();
    }

    bench::report("appointments-search-1", bench::bestSearchSeconds([&] {
                      return search(archive, {{"txtContatto", "ross"}});
                  }),
                  raw);
    bench::report("appointments-search-2", bench::bestSearchSeconds([&] {
                      return search(archive, {{"txtContatto", "ross"}, {"txtData", "03/2026"}});
                  }),
                  raw);

    const auto exportFile = folder / agendaGridExport(GridSelection::Month).fileName;
    bench::report("appointments-month-export-write", bench::bestSeconds([&] {
                      writeSpreadsheet(exportFile, agendaGridExport(GridSelection::Month), month);
                  }),
                  raw);
    if (sink == 42) std::printf("\n");
}

const bool registered = custovia::bench::addArea("appointments", &run);

}  // namespace
