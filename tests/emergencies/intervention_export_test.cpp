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

// tests/data/interventions_empty.xls: the worksheet's frame around its header row alone;
// interventions.xls: the same with the two cards below, in Windows-1252, the "<" escaped.
TEST_F(InterventionExportTest, EmptyArchiveGivesTheFrameAndTheHeaderRow) {
    EXPECT_EQ(exportArchive(), test::testData("interventions_empty.xls"));
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

    EXPECT_EQ(exportArchive(), test::testData("interventions.xls"));
}

}  // namespace
}  // namespace custovia
