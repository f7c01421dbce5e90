#include "appointments/agenda.h"

#include <algorithm>

#include "appointments/appointments.h"
#include "archive/list_search.h"
#include "archive/sorted_order.h"
#include "archive/text.h"

namespace custovia {
namespace {

std::string_view field(std::string_view bytes, std::size_t index) {
    return trimView(rawField(appointmentLayout(), bytes, index));
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int toNumber(std::string_view digits) {
    int n = 0;
    for (const char c : digits) n = n * 10 + (c - '0');
    return n;
}

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

// Characters [from, from + count) of a text, 0-based; shorter or empty past its end.
std::string_view part(std::string_view text, std::size_t from, std::size_t count) {
    return from < text.size() ? text.substr(from, count) : std::string_view();
}

}  // namespace

DayNumber dayNumber(int year, int month, int day) {
    // days since 1 March of year 0 in the proleptic Gregorian calendar, shifted so that the
    // leap day ends a year and every year's length follows from its number alone
    const long long y = month <= 2 ? year - 1 : year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

std::optional<DayNumber> readDate(std::string_view text) {
    text = trimView(text);
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const std::string_view d = text.substr(0, first), m = text.substr(first + 1, second - first - 1),
                           y = text.substr(second + 1);
    if (!allDigits(d) || !allDigits(m) || !allDigits(y) || d.size() > 2 || m.size() > 2 || y.size() != 4)
        return std::nullopt;
    const int day = toNumber(d), month = toNumber(m), year = toNumber(y);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) return std::nullopt;
    return dayNumber(year, month, day);
}

std::optional<int> readNoticeDays(std::string_view text) {
    text = trimView(text);
    if (!allDigits(text) || text.size() > 9) return std::nullopt;
    return toNumber(text);
}

Imminence imminence(std::string_view recordBytes, DayNumber today) {
    const AppointmentFields& f = appointmentFields();
    if (field(recordBytes, f.ottemperata) != kFlagNo) return Imminence::NotImminent;
    const auto date = readDate(field(recordBytes, f.data));
    const auto notice = readNoticeDays(field(recordBytes, f.avviso));
    if (!date || !notice) return Imminence::Unreadable;
    return isImminentOn(*date, *notice, today) ? Imminence::Imminent : Imminence::NotImminent;
}

std::string appointmentKey(std::string_view recordBytes) {
    const AppointmentFields& f = appointmentFields();
    const std::string_view date = field(recordBytes, f.data);
    std::string key;
    key.reserve(12);
    key += part(date, 6, 4);
    key += part(date, 3, 2);
    key += part(date, 0, 2);
    key += field(recordBytes, f.ore);
    key += field(recordBytes, f.minuti);
    // the date and time are typed from lists and the calendar: plain printable ASCII, but an
    // older file may hold anything, a line break included, which a row shows as a blank
    const bool plain = std::all_of(key.begin(), key.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    return plain ? key : fieldFromCp1252(key);
}

std::string agendaRow(std::string_view recordBytes) {
    static const RowBuilder rest(appointmentLayout(), {{"  Data: ", "txtData", 10},
                                                       {"  Ora: ", "lblOra", 5},
                                                       {"  ", "txtContatto", 30},
                                                       {"  Cel. ", "txtCel", 14},
                                                       {"  ", "txtCausale", 42},
                                                       {"  € ", "txtImporto", 0}});
    // one allocation a row, at its exact size: the agenda of a large archive has many
    thread_local std::string building;
    building.assign("ID: ");
    building += appointmentKey(recordBytes);
    rest.appendTo(building, recordBytes);
    return building;
}

void collectAgenda(Archive& archive, DayNumber today, std::vector<std::string>& rows) {
    // a record that cannot be read is only left out: it never hides the ones after it
    const auto imminent = [today](std::string_view bytes) {
        return imminence(bytes, today) == Imminence::Imminent;
    };
    archive.scanMaking(
        agendaRow, [&rows](std::uint64_t, std::string made) { rows.push_back(std::move(made)); }, {imminent});
}

void sortAgenda(std::vector<std::string>& rows) {
    const std::vector<std::size_t> order =
        sortedOrder(std::vector<std::string_view>(rows.begin(), rows.end()));
    std::vector<std::string> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t r : order) sorted.push_back(std::move(rows[r]));
    rows = std::move(sorted);
}

std::optional<AgendaSelection> selectAgendaRow(Archive& archive, std::string_view chosenRow) {
    const AppointmentFields& f = appointmentFields();
    std::optional<AgendaSelection> chosen;
    openMatchingRows(archive, agendaRow, chosenRow, [&](std::uint64_t index, const Record& record) {
        chosen = AgendaSelection{record.get(f.data), record.get(f.ora), record.get(f.contatto),
                                 record.get(f.cel), std::to_string(index + 1)};
    });
    return chosen;
}

std::function<bool(std::string_view)> gridSelection(GridSelection selection, const DateTime& chosen,
                                                    DayNumber today) {
    const std::size_t data = appointmentFields().data;
    const std::string day = formatDate(chosen);
    switch (selection) {
        case GridSelection::Imminent:
            return [today](std::string_view bytes) { return imminence(bytes, today) == Imminence::Imminent; };
        case GridSelection::Day:
            return [data, day](std::string_view bytes) { return field(bytes, data) == day; };
        case GridSelection::Month:
            return [data, month = day.substr(3, 2), year = day.substr(6, 4)](std::string_view bytes) {
                const std::string_view date = field(bytes, data);
                return part(date, 3, 2) == month && part(date, 6, 4) == year;
            };
    }
    return {};
}

}  // namespace custovia
