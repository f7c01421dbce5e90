// The status lists, the search criteria and the exports of the appointment archive.
#include <gtest/gtest.h>

#include "appointments/appointment_export.h"
#include "appointments/appointment_lists.h"
#include "fixture.h"

namespace custovia {
namespace {

using test::Appointment;

class AppointmentLists : public ::testing::Test {
protected:
    std::vector<std::string> listed(const RecordCondition& condition) {
        Archive file = records_.archive();
        std::vector<std::string> rows;
        collectRows(file, condition, appointmentRow(), rows);
        return rows;
    }
    std::vector<std::string> clients(AppointmentStatus status) {
        std::vector<std::string> names;
        for (const std::string& row : listed(statusCondition(status, dayNumber(2026, 3, 10)))) {
            const std::size_t at = row.find("Cliente: ") + 9;
            names.push_back(row.substr(at, row.find("  Cel.") - at));
            while (!names.back().empty() && names.back().back() == ' ') names.back().pop_back();
        }
        return names;
    }
    std::vector<std::string> search(std::initializer_list<std::pair<std::string, std::string>> typed) {
        std::vector<SearchFilter> filters;
        for (const FilterField& f : appointmentFilters()) {
            filters.push_back({f.field, ""});
            for (const auto& [control, text] : typed)
                if (control == f.control) filters.back().typed = text;
        }
        const Search rule(appointmentLayout(), filters);
        return listed([&rule](std::string_view bytes) { return rule.matches(bytes); });
    }
    test::AppointmentFile records_;
};

TEST(AppointmentRow, IsDateTimeServicesClientMobileAndAmount) {
    const Record r =
        test::appointmentRecord({.data = "15/03/2026", .ore = "09", .minuti = "30", .importo = "80,00"});
    EXPECT_EQ(appointmentRow()(r), "Data: 15/03/2026  Ora: 09:30  Sopralluogo impianto" +
                                       std::string(22, ' ') + "  Cliente: Rossi Mario" +
                                       std::string(19, ' ') + "  Cel. 3331234567" + std::string(4, ' ') +
                                       "  Importo: € 80,00");
}

TEST_F(AppointmentLists, EachStatusListTakesItsRecordsInFileOrder) {
    // today is 10/03/2026
    records_.store({{.data = "12/03/2026", .contatto = "Futuro"},
                    {.data = "09/03/2026", .contatto = "Ieri"},
                    {.data = "10/03/2026", .ore = "08", .contatto = "Oggi"},
                    {.data = "01/01/2020", .contatto = "Fatto", .fatto = "Sì"},
                    {.data = "01/01/2020", .contatto = "Senza stato", .fatto = ""},
                    {.data = "31/02/2026", .contatto = "Data illeggibile"},
                    {.data = "01/03/2026", .contatto = "Dopo l'illeggibile"}});
    EXPECT_EQ(clients(AppointmentStatus::Pending),
              (std::vector<std::string>{"Futuro", "Ieri", "Oggi", "Data illeggibile", "Dopo l'illeggibile"}));
    EXPECT_EQ(clients(AppointmentStatus::Expired), (std::vector<std::string>{"Ieri", "Dopo l'illeggibile"}));
    EXPECT_EQ(clients(AppointmentStatus::Done), (std::vector<std::string>{"Fatto"}));
}

TEST_F(AppointmentLists, SearchMatchesPartsOfTheCriteriaFields) {
    records_.store({{.data = "15/03/2026", .contatto = "Rossi Mario", .tipologia = "Bianchi"},
                    {.data = "16/03/2026", .contatto = "De Rossi", .tipologia = "Verdi"},
                    {.data = "16/03/2025", .contatto = "Neri Anna", .tipologia = "Bianchi"}});
    EXPECT_EQ(search({}).size(), 3u);
    EXPECT_EQ(search({{"txtContatto", "rossi"}}).size(), 2u);
    EXPECT_EQ(search({{"txtData", "03/2026"}}).size(), 2u);
    const auto both = search({{"txtContatto", "ross"}, {"txtTipologia", "bianchi"}});
    ASSERT_EQ(both.size(), 1u);
    EXPECT_NE(both[0].find("Rossi Mario"), std::string::npos);
    EXPECT_EQ(search({{"txtOra", "09:00"}}).size(), 3u);        // the time field "hh:mm"
    EXPECT_EQ(search({{"txtContatto", "rossi "}}).size(), 1u);  // a trailing blank is looked for
    EXPECT_EQ(search({{"txtContatto", "neri"}, {"txtNote", "x"}}).size(), 0u);
}

std::string header(const ExportTable& table) {
    std::string row;
    for (const ExportColumn& c : table.columns) row += c.fileHeader + "=" + std::to_string(c.fileWidth) + " ";
    return row;
}

TEST(AppointmentExports, TheAgendaGridsAddTheKeyTheArchiveExportHasNone) {
    const std::string common =
        "Data appuntamento=180 Ora=150 Operatore=280 Servizi richiesti=400 Dettagli=400 Cliente=300 "
        "Telefono=200 Cellulare=200 E-mail=250 Modalità di pagamento=300 Importo=200 Impegno assolto=200 "
        "Note=400 ";
    EXPECT_EQ(header(appointmentExport()), common);
    EXPECT_EQ(appointmentExport().fileName, "Riepilogo_Appuntamenti.xls");
    EXPECT_EQ(appointmentExport().sheetName, "Riepilogo Appuntamenti");
    const std::pair<GridSelection, std::pair<const char*, const char*>> grids[] = {
        {GridSelection::Imminent, {"Appuntamenti_Imminenti.xls", "Appuntamenti imminenti"}},
        {GridSelection::Day, {"Appuntamenti_Giornalieri.xls", "Appuntamenti del giorno"}},
        {GridSelection::Month, {"Appuntamenti_Mensili.xls", "Appuntamenti del mese"}},
    };
    for (const auto& [selection, names] : grids) {
        const ExportTable& t = agendaGridExport(selection);
        EXPECT_EQ(header(t), common + "Codice univoco=150 ");
        EXPECT_EQ(t.fileName, names.first);
        EXPECT_EQ(t.sheetName, names.second);
    }
}

TEST_F(AppointmentLists, ExportFilesHoldTheCellsWithAndWithoutTheKey) {
    records_.store({{.data = "11/03/2026", .ore = "16", .minuti = "45", .contatto = "A & B <srl>"},
                    {.data = "11/03/2026", .ore = "09", .minuti = "05", .fatto = "Sì"}});
    Archive file = records_.archive();
    GridRows all(appointmentExport().columns.size() + 1);
    ASSERT_TRUE(fillFromArchive(file, appointmentExport().columns, all));
    const std::string whole = spreadsheetBytes(appointmentExport(), all);
    EXPECT_EQ(whole.find("<td style=\"text-align: left; font-weight: bold;\" width=60>"), std::string::npos);
    EXPECT_EQ(whole.find("Codice univoco"), std::string::npos);
    EXPECT_NE(whole.find("<tr><td style=\"text-align: left;\">11/03/2026</td><td style=\"text-align: left;\">"
                         "16:45</td>"),
              std::string::npos);
    EXPECT_NE(whole.find("A &amp; B &lt;srl&gt;"), std::string::npos);

    GridRows day(agendaGridExport(GridSelection::Day).columns.size() + 1);
    ASSERT_TRUE(fillAgendaGrid(file, GridSelection::Day, DateTime{2026, 3, 11}, 0, day));
    const std::string grid = spreadsheetBytes(agendaGridExport(GridSelection::Day), day);
    // fourteen header cells, and each row ends with its key, the earlier appointment first
    std::size_t cells = 0;
    for (std::size_t at = grid.find("font-weight: bold"); at != std::string::npos;
         at = grid.find("font-weight: bold", at + 1))
        ++cells;
    EXPECT_EQ(cells, 14u);
    const std::size_t first = grid.find(">202603110905</td></tr>"),
                      second = grid.find(">202603111645</td></tr>");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_NE(grid.find("S\xEC</td>"), std::string::npos);  // the done flag in the file's code page
}

}  // namespace
}  // namespace custovia
