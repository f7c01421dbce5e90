// The imminent rule, the appointment key, the agenda rows and their order, the grids.
#include <gtest/gtest.h>

#include "appointments/agenda.h"
#include "appointments/appointment_export.h"
#include "fixture.h"

namespace custovia {
namespace {

using test::Appointment;

DayNumber day(int d, int m, int y) { return dayNumber(y, m, d); }

TEST(ImminentRule, HoldsFromTheNoticeDayOnwardsAcrossCalendarBoundaries) {
    struct Case {
        DayNumber date;
        int notice;
        DayNumber today;
        bool imminent;
        const char* what;
    };
    const Case cases[] = {
        {day(10, 3, 2026), 0, day(10, 3, 2026), true, "on its own day with no notice"},
        {day(11, 3, 2026), 0, day(10, 3, 2026), false, "tomorrow with no notice"},
        {day(13, 3, 2026), 3, day(10, 3, 2026), true, "three days ahead with three days' notice"},
        {day(14, 3, 2026), 3, day(10, 3, 2026), false, "four days ahead with three days' notice"},
        {day(20, 2, 2026), 0, day(10, 3, 2026), true, "overdue stays"},
        {day(1, 2, 2026), 1, day(31, 1, 2026), true, "across a month end"},
        {day(1, 2, 2026), 0, day(31, 1, 2026), false, "next month, no notice"},
        {day(2, 1, 2026), 2, day(31, 12, 2025), true, "across a year end"},
        {day(2, 1, 2026), 1, day(31, 12, 2025), false, "next year, one day short"},
        {day(1, 3, 2024), 1, day(28, 2, 2024), false, "the leap day lies between"},
        {day(1, 3, 2024), 2, day(28, 2, 2024), true, "counting the leap day"},
        {day(1, 3, 2024), 1, day(29, 2, 2024), true, "on the leap day"},
        {day(1, 3, 2026), 1, day(28, 2, 2026), true, "no leap day in 2026"},
        {day(3, 12, 2028), 999, day(10, 3, 2026), true, "999 days' notice"},
        {day(4, 12, 2028), 999, day(10, 3, 2026), false, "a day beyond 999 days' notice"},
    };
    for (const Case& c : cases) EXPECT_EQ(isImminentOn(c.date, c.notice, c.today), c.imminent) << c.what;
}

TEST(ImminentRule, ReadsDatesAndNoticeDaysOrSaysTheyCannotBeRead) {
    EXPECT_EQ(readDate("29/02/2024"), day(29, 2, 2024));
    EXPECT_EQ(readDate(" 1/3/2026 "), day(1, 3, 2026));
    for (const char* bad : {"", "29/02/2025", "31/04/2026", "00/01/2026", "10/13/2026", "10-03-2026",
                            "aa/bb/cccc", "10/03/26", "10/03/2026x", "1/2/3/4"})
        EXPECT_EQ(readDate(bad), std::nullopt) << bad;
    EXPECT_EQ(readNoticeDays(" 7 "), 7);
    EXPECT_EQ(readNoticeDays("999"), 999);
    for (const char* bad : {"", "-1", "+2", "1a", "tre"}) EXPECT_EQ(readNoticeDays(bad), std::nullopt) << bad;

    const DayNumber today = day(10, 3, 2026);
    const auto of = [today](const Appointment& a) {
        return imminence(test::appointmentRecord(a).bytes(), today);
    };
    EXPECT_EQ(of({"10/03/2026"}), Imminence::Imminent);
    EXPECT_EQ(of({.data = "20/02/2026", .fatto = "Sì"}), Imminence::NotImminent);  // done: never listed
    EXPECT_EQ(of({.data = "20/02/2026", .fatto = ""}), Imminence::NotImminent);    // a flag that is not "No"
    EXPECT_EQ(of({.data = "32/03/2026"}), Imminence::Unreadable);
    EXPECT_EQ(of({.data = "10/03/2026", .avviso = "x"}), Imminence::Unreadable);
}

TEST(AppointmentKey, IsYearMonthDayHoursMinutes) {
    EXPECT_EQ(appointmentKey(test::appointmentRecord({"05/03/2026", "09", "30"}).bytes()), "202603050930");
    // a time list emptied by its leaving rule shortens the key
    EXPECT_EQ(appointmentKey(test::appointmentRecord({"05/03/2026", "09", ""}).bytes()), "2026030509");
    EXPECT_EQ(appointmentKey(test::appointmentRecord({"", "", ""}).bytes()), "");
    // a line break an older file holds in the date is a blank, in the key as in the row
    const Record broken = test::appointmentRecord({"0\n/03/2026", "09", "30"});
    EXPECT_EQ(appointmentKey(broken.bytes()), "2026030 0930");
    EXPECT_EQ(agendaRow(broken.bytes()).find('\n'), std::string::npos);
}

TEST(AgendaRow, IsTheKeyThenTheFixedColumns) {
    const Record r = test::appointmentRecord(
        {.data = "15/03/2026", .ore = "09", .minuti = "30", .contatto = "Rossi Mario", .importo = "120,50"});
    const std::string expected = "ID: 202603150930  Data: 15/03/2026  Ora: 09:30  Rossi Mario" +
                                 std::string(19, ' ') + "  Cel. 3331234567" + std::string(4, ' ') +
                                 "  Sopralluogo impianto" + std::string(22, ' ') + "  € 120,50";
    EXPECT_EQ(agendaRow(r.bytes()), expected);
}

class Agenda : public ::testing::Test {
protected:
    std::vector<std::string> agenda(DayNumber today) {
        Archive file = records_.archive();
        std::vector<std::string> rows;
        collectAgenda(file, today, rows);
        sortAgenda(rows);
        return rows;
    }
    test::AppointmentFile records_;
};

TEST_F(Agenda, ListsImminentAppointmentsInTimeOrderWhateverTheFileOrder) {
    records_.store({{"12/03/2026", "10", "00"},
                    {"11/03/2026", "16", "45"},
                    {.data = "11/03/2026", .ore = "09", .minuti = "05", .avviso = "1"},
                    {.data = "11/03/2026", .ore = "08", .minuti = "00", .fatto = "Sì"}});
    const auto rows = agenda(day(12, 3, 2026));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].substr(0, 16), "ID: 202603110905");
    EXPECT_EQ(rows[1].substr(0, 16), "ID: 202603111645");
    EXPECT_EQ(rows[2].substr(0, 16), "ID: 202603121000");
    // the day before, only the one with a day's notice
    EXPECT_EQ(agenda(day(10, 3, 2026)).size(), 1u);
}

TEST_F(Agenda, OrdersEqualKeysByTheRestOfTheRowClientFirst) {
    records_.store({{.data = "11/03/2026", .contatto = "Verdi Anna"},
                    {.data = "11/03/2026", .contatto = "Bianchi Luca"},
                    {.data = "11/03/2026", .contatto = "Neri Carlo"}});
    const auto rows = agenda(day(11, 3, 2026));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[0].find("Bianchi Luca"), std::string::npos);
    EXPECT_NE(rows[1].find("Neri Carlo"), std::string::npos);
    EXPECT_NE(rows[2].find("Verdi Anna"), std::string::npos);
}

TEST_F(Agenda, SkipsAnUnreadableRecordAndListsTheOnesAfterIt) {
    records_.store({{.data = "10/03/2026", .contatto = "Primo"},
                    {.data = "31/02/2026", .contatto = "Data impossibile"},
                    {.data = "10/03/2026", .avviso = "tre", .contatto = "Preavviso in lettere"},
                    {.data = "09/03/2026", .contatto = "Ultimo"}});
    const auto rows = agenda(day(10, 3, 2026));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[0].find("Ultimo"), std::string::npos);
    EXPECT_NE(rows[1].find("Primo"), std::string::npos);
}

TEST_F(Agenda, AnEmptyOrMissingArchiveListsNothing) {
    EXPECT_TRUE(agenda(day(10, 3, 2026)).empty());
    EXPECT_TRUE(std::filesystem::exists(records_.folder() / kAppointmentsFile));  // created when missing
}

TEST_F(Agenda, ChoosingARowKeepsTheLastMatchingRecordsDateTimeClientAndMobile) {
    records_.store({{.data = "10/03/2026", .contatto = "Rossi Mario", .cel = "111"},
                    {.data = "10/03/2026", .contatto = "Bianchi Luca", .cel = "222"}});
    const auto rows = agenda(day(10, 3, 2026));
    Archive file = records_.archive();
    const auto chosen = selectAgendaRow(file, "  " + rows[1] + "  ");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->date, "10/03/2026");
    EXPECT_EQ(chosen->time, "09:00");
    EXPECT_EQ(chosen->client, "Rossi Mario");
    EXPECT_EQ(chosen->mobile, "111");
    EXPECT_EQ(selectAgendaRow(file, "ID: nessuna"), std::nullopt);
}

class AgendaGrids : public Agenda {
protected:
    GridRows grid(GridSelection selection, DateTime chosen, DayNumber today = 0) {
        Archive file = records_.archive();
        GridRows rows(agendaGridExport(selection).columns.size() + 1);
        EXPECT_TRUE(fillAgendaGrid(file, selection, chosen, today, rows));
        return rows;
    }
    static std::vector<std::string> column(const GridRows& rows, std::size_t c) {
        std::vector<std::string> out;
        for (std::size_t r = 0; r < rows.rowCount(); ++r) out.emplace_back(rows.cell(r, c));
        return out;
    }
};

TEST_F(AgendaGrids, DayAndMonthTakeDoneAppointmentsAndSortByKeyKeepingTheirRunningNumbers) {
    records_.store({{"11/03/2026", "16", "45"},
                    {"11/03/2025", "08", "00"},
                    {.data = "11/03/2026", .ore = "09", .minuti = "05", .fatto = "Sì"},
                    {"02/03/2026", "10", "00"},
                    {"31/03/2026", "10", "00"},
                    {"01/04/2026", "10", "00"}});
    const DateTime chosen{2026, 3, 11};
    const GridRows dayRows = grid(GridSelection::Day, chosen);
    EXPECT_EQ(column(dayRows, 0), (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(column(dayRows, agendaKeyColumn()), (std::vector<std::string>{"202603110905", "202603111645"}));
    EXPECT_EQ(column(dayRows, 12), (std::vector<std::string>{"Sì", "No"}));

    // any day of the month gives the month, and never the same month of another year
    const GridRows monthRows = grid(GridSelection::Month, DateTime{2026, 3, 28});
    EXPECT_EQ(column(monthRows, 1),
              (std::vector<std::string>{"02/03/2026", "11/03/2026", "11/03/2026", "31/03/2026"}));
    EXPECT_EQ(column(monthRows, 0), (std::vector<std::string>{"3", "2", "1", "4"}));
}

TEST_F(AgendaGrids, ImminentTakesTheAgendaRuleAndSkipsUnreadableRecords) {
    records_.store({{.data = "12/03/2026", .avviso = "5", .contatto = "Presto"},
                    {.data = "xx/03/2026"},
                    {.data = "01/03/2026", .fatto = "Sì"},
                    {.data = "20/02/2026", .contatto = "Scaduto"},
                    {.data = "30/03/2026"}});
    const GridRows rows = grid(GridSelection::Imminent, DateTime{2000, 1, 1}, day(10, 3, 2026));
    EXPECT_EQ(column(rows, 6), (std::vector<std::string>{"Scaduto", "Presto"}));
    EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"2", "1"}));
}

TEST_F(AgendaGrids, EqualKeysKeepTheirFileOrder) {
    records_.store({{.data = "11/03/2026", .contatto = "Zeta"}, {.data = "11/03/2026", .contatto = "Alfa"}});
    EXPECT_EQ(column(grid(GridSelection::Day, DateTime{2026, 3, 11}), 6),
              (std::vector<std::string>{"Zeta", "Alfa"}));
}

}  // namespace
}  // namespace custovia
