// The intervention archive written as a worksheet, byte for byte.
#include <gtest/gtest.h>

#include "tests/support/files.h"

#include <random>

#include "emergencies/intervention_export.h"
#include "emergencies/interventions.h"

namespace custovia {
namespace {

class InterventionExportTest : public ::testing::Test {
protected:
    std::string exportArchive() {
        Archive archive(folder_.path() / std::string(kInterventionsFile), interventionLayout());
        GridRows rows(interventionExport().columns.size() + 1);
        EXPECT_TRUE(fillFromArchive(archive, interventionExport().columns, rows));
        return spreadsheetBytes(interventionExport(), rows);
    }

    test::TempFolder folder_;
};

const std::string kFrameStart =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Riepilogo Interventi</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios></"
    "x:WorksheetOptions></x:ExcelWorksheet>"
    "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>";

const std::string kHeaderRow =
    "<tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Data intervento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Ora</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=280>Centralinista</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=280>Cliente segnalatore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. cellulare</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Problema segnalato</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Luogo emergenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=280>Veicolo utilizzato</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Targa</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=280>Operatore di pronto intervento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. cellulare</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Note</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Intervento terminato</td>"
    "</tr>";

const std::string kFrameEnd = "</table></body></html>";

TEST_F(InterventionExportTest, EmptyArchiveGivesTheFrameAndTheHeaderRow) {
    EXPECT_EQ(exportArchive(), kFrameStart + kHeaderRow + kFrameEnd);
}

TEST_F(InterventionExportTest, ArchiveIsWrittenRowByRowInTheColumnOrder) {
    Archive archive(folder_.path() / std::string(kInterventionsFile), interventionLayout());
    Record first(interventionLayout());
    const std::vector<std::pair<const char*, const char*>> fields{{"txtData", "15/05/2024"},
                                                                  {"txtOre", "09"},
                                                                  {"txtMinuti", "30"},
                                                                  {"lblOra", "09:30"},
                                                                  {"txtOperatore", "Anna"},
                                                                  {"txtUtente", "ROSSI MARIO"},
                                                                  {"txtCelUte", "3331234567"},
                                                                  {"txtGuasto", "Allarme scattato"},
                                                                  {"txtLuogo", "Via Roma 1, Forlì"},
                                                                  {"txtTipo", "Fiat Panda"},
                                                                  {"txtTarga", "AB123CD"},
                                                                  {"txtTecnico", "BIANCHI LUCA"},
                                                                  {"txtCelTec", "3479876543"},
                                                                  {"txtNote", "Cancello <aperto>"},
                                                                  {"chkTerminato", "Sì"},
                                                                  {"lblFile01", "foto.jpg"}};
    for (const auto& [field, text] : fields) first.set(field, text);
    archive.append(first);
    Record second(interventionLayout());
    second.set("txtData", "16/05/2024");
    second.set("chkTerminato", "No");
    archive.append(second);

    const std::string td = "<td style=\"text-align: left;\">";
    std::string rows = "<tr>";
    for (const char* cell : {"15/05/2024", "09:30", "Anna", "ROSSI MARIO", "3331234567", "Allarme scattato",
                             "Via Roma 1, Forl\xEC", "Fiat Panda", "AB123CD", "BIANCHI LUCA", "3479876543",
                             "Cancello &lt;aperto&gt;", "S\xEC"})
        rows += td + cell + "</td>";
    rows += "</tr><tr>" + td + "16/05/2024</td>";
    for (int i = 0; i < 11; ++i) rows += td + "</td>";
    rows += td + "No</td></tr>";

    EXPECT_EQ(exportArchive(), kFrameStart + kHeaderRow + rows + kFrameEnd);
}

}  // namespace
}  // namespace custovia
