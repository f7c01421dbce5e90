// The export grid, its filling from an archive and the worksheet file's bytes.
#include <gtest/gtest.h>

#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

#include <fstream>
#include <random>
#include <sstream>

#include "archive/spreadsheet_export.h"

namespace custovia {
namespace {

const RecordLayout kLayout{
    {"txtNome", 20}, {"txtComune", 20}, {"txtProv", 2}, {"chkFatto", 2, FieldKind::Flag}};

const std::vector<ExportColumn> kColumns{
    {"colNome", "Nome", 100, "txtNome", {}, "Nome", 200},
    {"colComune", "Comune", 100, "txtComune", {}, "Comune", 250, "txtProv"},
    {"colFatto", "Fatto", 80, "chkFatto", {}, "Fatto", 150},
};

class SpreadsheetExportTest : public ::testing::Test {
protected:
    void addCard(Archive& archive, const char* nome, const char* comune, const char* prov,
                 const char* fatto) {
        Record r(kLayout);
        r.set("txtNome", nome);
        r.set("txtComune", comune);
        r.set("txtProv", prov);
        r.set("chkFatto", fatto);
        archive.append(r);
    }
    // Two of them not done ("No"), blanks and a town without its province among them.
    void addFiveCards(Archive& archive) {
        addCard(archive, "  ROSSI MARIO ", "ROMA", "RM", "Sì");
        addCard(archive, "VERDI", "", "", "No");
        addCard(archive, "BIANCHI", "Forlì", "FC", "No");
        addCard(archive, "NERI", "", "FC", "Sì");
        addCard(archive, "GIALLI", "  Cesena", "", "Sì");
    }
    static std::vector<std::vector<std::string>> cells(const GridRows& rows) {
        std::vector<std::vector<std::string>> out;
        for (std::size_t r = 0; r < rows.rowCount(); ++r) {
            out.emplace_back();
            for (std::size_t c = 0; c < rows.columnCount(); ++c) out.back().emplace_back(rows.cell(r, c));
        }
        return out;
    }
    static std::string read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    test::TempFolder folder_;
};

TEST_F(SpreadsheetExportTest, GridRowsKeepEveryCellAndSortMovesWholeRows) {
    GridRows empty(2);
    empty.addRow({"", ""});  // a first row with no text at all
    EXPECT_EQ(empty.cell(0, 1), "");
    GridRows rows(3);
    rows.addRow({"1", "", "20260315"});
    rows.addRow({"2", "città", "20250101"});
    rows.addRow({"3", "x", "20260315"});
    EXPECT_THROW(rows.addRow({"4", "short"}), std::invalid_argument);
    rows.sortByColumn(2);
    const std::vector<std::vector<std::string>> expected{
        {"2", "città", "20250101"}, {"1", "", "20260315"}, {"3", "x", "20260315"}};
    EXPECT_EQ(cells(rows), expected);

    // a copy owns its cells; a move hands them over and leaves an empty grid
    GridRows copy = rows;
    GridRows moved = std::move(rows);
    EXPECT_EQ(rows.rowCount(), 0u);
    rows = GridRows(3);
    rows.addRow({"9", "new", "rows"});
    EXPECT_EQ(cells(copy), expected);
    EXPECT_EQ(cells(moved), expected);
}

TEST_F(SpreadsheetExportTest, ALargeGridKeepsEveryRowAcrossItsBlocks) {
    GridRows rows(2);
    const std::string wide(1500, 'w');
    for (int i = 0; i < 5000; ++i) {
        std::string& row = rows.beginRow();
        row += std::to_string(i);
        rows.endCell();
        row += wide + std::to_string(i);
        rows.endCell();
    }
    rows.addRow({"last", std::string(3u << 20, 'L')});  // larger than a block
    ASSERT_EQ(rows.rowCount(), 5001u);
    for (const std::size_t r : {0u, 1397u, 1398u, 4999u}) {
        EXPECT_EQ(rows.cell(r, 0), std::to_string(r));
        EXPECT_EQ(rows.cell(r, 1), wide + std::to_string(r));
    }
    EXPECT_EQ(rows.cell(5000, 1).size(), 3u << 20);
}

TEST_F(SpreadsheetExportTest, FillsOneNumberedTrimmedRowPerRecordOrPerSelectedRecord) {
    Archive archive(folder_.path() / "Prova.pro", kLayout);
    addFiveCards(archive);

    // a town and its province share a cell with one space between, never a blank at an end
    GridRows all(kColumns.size() + 1);
    EXPECT_TRUE(fillFromArchive(archive, kColumns, all));
    const std::vector<std::vector<std::string>> expectedAll{{"1", "ROSSI MARIO", "ROMA RM", "Sì"},
                                                            {"2", "VERDI", "", "No"},
                                                            {"3", "BIANCHI", "Forlì FC", "No"},
                                                            {"4", "NERI", "FC", "Sì"},
                                                            {"5", "GIALLI", "Cesena", "Sì"}};
    EXPECT_EQ(cells(all), expectedAll);

    // a selection numbers the rows it keeps, not the records
    GridRows open(kColumns.size() + 1);
    EXPECT_TRUE(fillFromArchive(archive, kColumns, open, [](std::string_view b) {
        return Record(kLayout, b).get("chkFatto") == "No";
    }));
    const std::vector<std::vector<std::string>> expectedOpen{{"1", "VERDI", "", "No"},
                                                             {"2", "BIANCHI", "Forlì FC", "No"}};
    EXPECT_EQ(cells(open), expectedOpen);
}

// On a long archive a second thread makes the rows of some of the (selected) records: the grid
// is the one the caller alone fills (as when the system holds none of the file in memory).
TEST_F(SpreadsheetExportTest, ALongArchiveFillsTheSameGridWhicheverThreadMadeItsRows) {
    const auto file = folder_.path() / "Lunga.pro";
    {
        Archive five(folder_.path() / "Cinque.pro", kLayout);
        addFiveCards(five);
        const std::string cards = read(five.path());
        std::string bytes;
        for (int i = 0; i < 40000; ++i) bytes += cards;  // 9 MB
        test::writeBytes(file, bytes);
    }
    const auto open = [](std::string_view b) { return Record(kLayout, b).get("chkFatto") == "No"; };
    const struct {
        ExportSelection select;
        std::size_t rows;
        std::vector<std::string> last;
    } cases[] = {
        {open, 80000, {"80000", "BIANCHI", "Forlì FC", "No"}},
        {{}, 200000, {"200000", "GIALLI", "Cesena", "Sì"}},
    };
    for (const auto& c : cases) {
        GridRows shared(kColumns.size() + 1), alone(kColumns.size() + 1);
        Archive held(file, kLayout);
        ASSERT_TRUE(fillFromArchive(held, kColumns, shared, c.select));
        test::FaultyFiles nothingHeld;
        Archive onDisk(file, kLayout, nothingHeld);
        ASSERT_TRUE(fillFromArchive(onDisk, kColumns, alone, c.select));
        ASSERT_EQ(shared.rowCount(), c.rows);
        EXPECT_EQ(cells(shared), cells(alone));
        EXPECT_EQ(cells(shared).back(), c.last);
    }
}

TEST_F(SpreadsheetExportTest, UnreadableArchiveEndsTheFillingWithoutRows) {
    std::filesystem::create_directory(folder_.path() / "Prova.pro");
    Archive archive(folder_.path() / "Prova.pro", kLayout);
    GridRows rows(kColumns.size() + 1);
    EXPECT_FALSE(fillFromArchive(archive, kColumns, rows));
    EXPECT_EQ(rows.rowCount(), 0u);
}

TEST_F(SpreadsheetExportTest, CellsAreTrimmedEscapedAndWrittenInWindows1252OnOneLine) {
    GridRows rows(kColumns.size() + 1);
    rows.addRow({"1", "  Cioè <b>\"A&B\"</b> ", "Łódź", "Sì"});
    const std::string bytes = spreadsheetBytes({kColumns, "Prova.xls", "Prova"}, rows);

    EXPECT_EQ(bytes.find_first_of("\r\n"), std::string::npos);
    const std::string dataRow =
        "<tr><td style=\"text-align: left;\">Cio\xE8 &lt;b&gt;&quot;A&amp;B&quot;&lt;/b&gt;</td>"
        "<td style=\"text-align: left;\">?\xF3"
        "d?</td>"
        "<td style=\"text-align: left;\">S\xEC</td></tr>";
    EXPECT_NE(bytes.find(dataRow), std::string::npos) << bytes;
    // the row number stays in the grid
    EXPECT_EQ(bytes.find(">1</td>"), std::string::npos);
}

// Cells are checked sixteen bytes at a time: every character that needs care is put at every
// place of cells of 1 to 40 characters.
TEST_F(SpreadsheetExportTest, EveryCharacterIsEscapedWhereverItStandsInTheCell) {
    struct Care {
        const char* utf8;
        const char* written;
    };
    const Care cases[] = {{"&", "&amp;"}, {"<", "&lt;"}, {">", "&gt;"}, {"\"", "&quot;"},
                          {"è", "\xE8"},  {"€", "\x80"}, {"Ł", "?"},    {"~", "~"}};
    const std::string start = "<td style=\"text-align: left;\">";
    for (const Care& c : cases) {
        for (std::size_t size = 1; size <= 40; ++size) {
            for (std::size_t at = 0; at < size; ++at) {
                std::string cell(size - 1, 'x');
                GridRows rows(kColumns.size() + 1);
                rows.addRow({"1", cell.substr(0, at) + c.utf8 + cell.substr(at), "", ""});
                const std::string expected =
                    start + cell.substr(0, at) + c.written + cell.substr(at) + "</td>";
                EXPECT_NE(spreadsheetBytes({kColumns, "Prova.xls", "Prova"}, rows).find(expected),
                          std::string::npos)
                    << c.utf8 << " at " << at << "/" << size;
            }
        }
    }
}

TEST_F(SpreadsheetExportTest, ALineBreakStoredInACardNeverReachesTheFile) {
    const auto file = folder_.path() / "Prova.pro";
    {
        Archive archive(file, kLayout);
        addCard(archive, "x", "Roma", "RM", "No");
    }
    // an older installation stored "Rossi\r\nMario" and "Ro\nma"
    std::string bytes = read(file);
    bytes.replace(0, 1 + 12, std::string("\x0C") + "Rossi\r\nMario");
    bytes.replace(21, 1 + 5, std::string("\x05") + "Ro\nma");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    Archive archive(file, kLayout);
    GridRows rows(kColumns.size() + 1);
    ASSERT_TRUE(fillFromArchive(archive, kColumns, rows));
    EXPECT_EQ(cells(rows)[0], (std::vector<std::string>{"1", "Rossi  Mario", "Ro ma RM", "No"}));
    EXPECT_EQ(spreadsheetBytes({kColumns, "Prova.xls", "Prova"}, rows).find_first_of("\r\n"),
              std::string::npos);
}

TEST_F(SpreadsheetExportTest, EmptyGridWritesTheHeaderRowOnly) {
    const std::string bytes =
        spreadsheetBytes({kColumns, "Prova.xls", "Prova"}, GridRows(kColumns.size() + 1));
    const std::string tail =
        "<table x:str><tr>"
        "<td style=\"text-align: left; font-weight: bold;\" width=200>Nome</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=250>Comune</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=150>Fatto</td>"
        "</tr></table></body></html>";
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

TEST_F(SpreadsheetExportTest, WritingReplacesAnEarlierFileAndReportsAFileThatCannotBeWritten) {
    const auto file = folder_.path() / "Prova.xls";
    writeExportFile(file, std::string(5000, 'x'));
    writeExportFile(file, "<html></html>");
    EXPECT_EQ(read(file), "<html></html>");

    // a folder where the file should be cannot be created as a file
    std::filesystem::create_directory(folder_.path() / "Aperto.xls");
    EXPECT_THROW(writeExportFile(folder_.path() / "Aperto.xls", "<html></html>"), ExportError);
}

TEST_F(SpreadsheetExportTest, AFailedOrInterruptedWriteLeavesTheEarlierFileWhole) {
    const auto file = folder_.path() / "Clienti.xls";
    const std::string earlier = "<html>earlier export</html>";
    const std::string later(3 << 20, 'y');  // several pieces
    const auto produce = [&later](const SpreadsheetSink& sink) {
        for (std::size_t at = 0; at < later.size(); at += 1 << 20)
            sink(std::string_view(later).substr(at, 1 << 20));
    };
    const struct {
        const char* label;
        bool readOnlyFolder;
        int goodWrites;
        int changesBeforeCrash;
    } faults[] = {
        {"disk full on the second piece", false, 1, -1},
        {"disk full in a read-only folder", true, 0, -1},
        {"killed after the first piece", false, -1, 1},
        {"killed while rewriting in place", true, -1, 1},
    };
    for (const auto& f : faults) {
        test::writeBytes(file, earlier);
        test::FaultyFiles files;
        files.folderRefusesNewFiles = f.readOnlyFolder;
        files.writesBeforeFailure = f.goodWrites;
        files.changesBeforeCrash = f.changesBeforeCrash;
        EXPECT_THROW(writeExportFile(file, produce, files), ExportError) << f.label;
        const std::string left = read(file);
        EXPECT_EQ(left.substr(0, left.find_last_not_of(' ') + 1), earlier) << f.label;
    }
    // a writable file in a read-only folder still takes the whole new export
    test::FaultyFiles readOnly;
    readOnly.folderRefusesNewFiles = true;
    writeExportFile(file, produce, readOnly);
    EXPECT_EQ(read(file), later);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

TEST_F(SpreadsheetExportTest, LargeGridIsWrittenInPiecesThatJoinExactly) {
    GridRows rows(kColumns.size() + 1);
    for (int i = 1; i <= 20000; ++i)  // several pieces of a megabyte
        rows.addRow(
            {std::to_string(i), "Niccolò & figli " + std::to_string(i), "Forlì", i % 2 ? "Sì" : "No"});
    const ExportTable table{kColumns, "Prova.xls", "Prova"};
    std::size_t pieces = 0;
    produceSpreadsheet(table, rows, [&](std::string_view) { ++pieces; });
    EXPECT_GT(pieces, 2u);
    const auto file = folder_.path() / "Prova.xls";
    writeSpreadsheet(file, table, rows);
    EXPECT_EQ(read(file), spreadsheetBytes(table, rows));
}

}  // namespace
}  // namespace custovia
