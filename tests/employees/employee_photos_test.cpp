// Photo files, their safe replacement, the save dialog's extension and the slide show's order.
#include <gtest/gtest.h>

#include "employees/employee_photos.h"
#include "employees/employee_print.h"
#include "report/template_parser.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

TEST(EmployeePhotoFile, IsNamedAfterTheRecordNumberInAnagrafica) {
    EXPECT_EQ(employeePhotoFile("/prog", 1), fs::path("/prog/Anagrafica/Scheda_Dipendente_1.jpg"));
    EXPECT_EQ(employeePhotoFile("/prog", 120), fs::path("/prog/Anagrafica/Scheda_Dipendente_120.jpg"));
}

TEST(SaveDialogName, GetsJpgOnlyWithoutAnExtension) {
    struct Case {
        const char* typed;
        const char* saved;
    };
    for (const Case c : {Case{"/home/a/Foto", "/home/a/Foto.jpg"},
                         {"/home/a/Foto.jpg", "/home/a/Foto.jpg"},
                         {"/home/a/Foto.JPEG", "/home/a/Foto.JPEG"},
                         {"/home/a.b/Foto", "/home/a.b/Foto.jpg"},
                         {"C:\\Foto\\ritratto", "C:\\Foto\\ritratto.jpg"},
                         {"/home/a/.nascosta", "/home/a/.nascosta.jpg"}})
        EXPECT_EQ(withJpegExtension(c.typed), c.saved) << c.typed;
}

class ReplaceFile : public ::testing::Test {
protected:
    std::size_t filesIn(const fs::path& dir) {
        return std::size_t(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
    test::TempFolder folder;
};

TEST_F(ReplaceFile, CreatesTheFolderAndReplacesWholeLeavingNoTemporary) {
    const fs::path photo = employeePhotoFile(folder.path(), 5);
    ASSERT_TRUE(replaceFile(photo, "first photo"));
    ASSERT_TRUE(replaceFile(photo, "2nd"));
    EXPECT_EQ(test::readBytes(photo), "2nd");
    EXPECT_EQ(filesIn(photoFolder(folder.path())), 1u);
}

TEST_F(ReplaceFile, AFailedWriteLeavesWhatWasThere) {
    // a folder where the file should be cannot be replaced by a file
    const fs::path blocked = folder.path() / "Anagrafica" / "Scheda_Dipendente_2.jpg";
    fs::create_directories(blocked / "inside");
    EXPECT_FALSE(replaceFile(blocked, "photo"));
    EXPECT_TRUE(fs::is_directory(blocked / "inside"));
    EXPECT_EQ(filesIn(folder.path() / "Anagrafica"), 1u);  // no temporary left behind
    // a file where the folder should be
    test::writeBytes(folder.path() / "NoFolder", "x");
    EXPECT_FALSE(replaceFile(folder.path() / "NoFolder" / "Scheda_Dipendente_1.jpg", "photo"));
    EXPECT_EQ(test::readBytes(folder.path() / "NoFolder"), "x");
}

TEST(SlideShow, ShowsEveryPhotoInOrderHoldsTheLastAndStartsAgain) {
    std::vector<std::string> seen;
    std::uint64_t shown = 0;
    for (int tick = 0; tick < 6; ++tick) {
        const SlideStep step = slideShowStep(shown, 3);
        seen.push_back(step.kind == SlideStep::ShowPhoto ? std::to_string(step.shown) : "hold");
        shown = step.shown;
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "3", "hold", "1", "2"}));
    EXPECT_EQ(slideShowStep(0, 0).kind, SlideStep::EmptyArchive);
    EXPECT_EQ(slideShowStep(4, 0).kind, SlideStep::EmptyArchive);
    // a position past the end starts again like the end itself
    EXPECT_EQ(slideShowStep(7, 3).kind, SlideStep::Hold);
}

TEST(EmployeeCardPrint, FillsTitleAndValuesTrimmedWithTheLanguagesObject) {
    report::Template t = report::parseTemplate(
        test::readBytes(fs::path(CUSTOVIA_SOURCE_DIR) / "templates/reports/scheda_dipendente.report"));
    fillEmployeeCard(t, [](std::string_view field) { return "  " + std::string(field) + " value "; });
    EXPECT_EQ(t.findObject("txtDipendente")->text, "txtDipendente value");
    EXPECT_EQ(t.findObject("txtlingue")->text, "txtLingue value");
    EXPECT_EQ(t.findObject("txtRetribuzione")->text, "txtRetribuzione value");
    EXPECT_EQ(t.name, "Scheda Dipendente");
    ASSERT_NE(t.findObject("imgLogo"), nullptr);
    EXPECT_EQ(t.findObject("imgLogo")->kind, report::ObjectKind::Picture);
}

}  // namespace
}  // namespace custovia
