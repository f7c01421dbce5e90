// Appointment records of arbitrary bytes, and dates and notice days typed in any way: the
// agenda reads them without leaving the record, and what it reads is a real date.
#include <optional>

#include "appointments/agenda.h"
#include "appointments/appointment_lists.h"
#include "appointments/appointments.h"
#include "archive/text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::asText(data, size);
    const custovia::RecordLayout& layout = custovia::appointmentLayout();
    std::string record(input.substr(0, layout.size()));
    record.resize(layout.size(), '\0');

    const custovia::DayNumber today = custovia::dayNumber(2026, 12, 10);
    (void)custovia::imminence(record, today);
    const std::string key = custovia::appointmentKey(record);
    const std::string row = custovia::agendaRow(record);
    fuzz::require(row.rfind("ID: " + key, 0) == 0);
    fuzz::require(row.find('\n') == std::string::npos && row.find('\r') == std::string::npos);
    (void)custovia::appointmentRow()(record);
    const custovia::DateTime chosen{2026, 12, 10, 9, 30, 0};
    for (const auto grid :
         {custovia::GridSelection::Imminent, custovia::GridSelection::Day, custovia::GridSelection::Month})
        (void)custovia::gridSelection(grid, chosen, today)(record);

    if (const std::optional<custovia::DayNumber> day = custovia::readDate(input)) {
        // the day read is the day written: day, month and year as they stand
        const std::string date = custovia::trim(input);
        const std::size_t first = date.find('/'), second = date.rfind('/');
        fuzz::require(first != std::string::npos && second > first);
        const int d = std::atoi(date.substr(0, first).c_str());
        const int m = std::atoi(date.substr(first + 1, second - first - 1).c_str());
        const int y = std::atoi(date.substr(second + 1).c_str());
        fuzz::require(*day == custovia::dayNumber(y, m, d));
        fuzz::require(d >= 1 && d <= 31 && m >= 1 && m <= 12);
    }
    if (const std::optional<int> notice = custovia::readNoticeDays(input)) fuzz::require(*notice >= 0);
    return 0;
}
