#pragma once
// The agenda's rules: which appointments are imminent, the appointment key that orders them,
// the agenda row and the selections of the day, month and imminent grids.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive.h"
#include "archive/clock.h"

namespace custovia {

// A calendar date as a count of days, so that dates subtract in whole days across month and
// year boundaries.
using DayNumber = long long;
DayNumber dayNumber(int year, int month, int day);
inline DayNumber dayNumber(const DateTime& t) { return dayNumber(t.year, t.month, t.day); }

// "dd/mm/yyyy" (day and month may have one digit) as a day count; nothing when the text is
// not a calendar date.
std::optional<DayNumber> readDate(std::string_view text);
// A whole number of notice days written in digits; nothing otherwise (empty, signs, letters).
std::optional<int> readNoticeDays(std::string_view text);

// An appointment is imminent from `noticeDays` days before its date onwards, and stays so
// on every later day until it is marked done: date - noticeDays <= today.
constexpr bool isImminentOn(DayNumber date, int noticeDays, DayNumber today) {
    return date - noticeDays <= today;
}

// What the imminent rule makes of a record.
enum class Imminence { Imminent, NotImminent, Unreadable };
// A record is imminent when its done flag reads "No" and the rule holds. A record not marked
// "No" is never imminent; one whose date or notice days cannot be read is Unreadable.
Imminence imminence(std::string_view recordBytes, DayNumber today);

// Year, month and day taken from the trimmed date by position, then the trimmed hours and
// minutes: "05/03/2026" at 09:30 gives "202603050930".
std::string appointmentKey(std::string_view recordBytes);

// "ID: " + key, then date, time, client, mobile, services and amount in fixed columns.
std::string agendaRow(std::string_view recordBytes);

// The imminent list: the agenda row of every imminent record, in ascending text order (so in
// order of date and time; rows with the same key by the rest of the row). A record that cannot
// be read is left out and the scan goes on. Throws ArchiveError on a failure to read the
// file; `rows` keeps what was found before it, unsorted.
void collectAgenda(Archive& archive, DayNumber today, std::vector<std::string>& rows);
void sortAgenda(std::vector<std::string>& rows);

// The date, time, client name and mobile number of an appointment, trimmed, and its card's
// number (1-based): what the agenda keeps of the row last chosen.
struct AgendaSelection {
    std::string date, time, client, mobile;
    std::string card;
};
// Every record whose agenda row, trimmed, equals the chosen row, trimmed; the last such record
// of the file wins. Nothing when no record matches. Throws ArchiveError.
std::optional<AgendaSelection> selectAgendaRow(Archive& archive, std::string_view chosenRow);

// The selections of the three grids.
enum class GridSelection { Imminent, Day, Month };
// Which records a grid takes. For the day and month grids `chosen` is the day of the agenda's
// calendar, done appointments included; the imminent grid takes the imminent records of
// `today` and leaves unreadable ones out.
std::function<bool(std::string_view recordBytes)> gridSelection(GridSelection selection,
                                                                const DateTime& chosen, DayNumber today);

}  // namespace custovia
