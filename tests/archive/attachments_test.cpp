// Attachment names: only bare file names ever reach the attachments folder.
#include <gtest/gtest.h>

#include "archive/attachments.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

TEST(AttachmentNames, OnlyBareFileNamesAreAccepted) {
    const struct {
        const char* name;
        bool bare;
    } cases[] = {
        {"Contratto firmato.pdf", true},
        {"Offerta..v2.pdf", true},  // a double dot inside a name stays in the folder
        {"Verbale è.doc", true},
        {"a/b", false},
        {"..\\x", false},
        {"/etc/passwd", false},
        {"..", false},
        {".", false},
        {".. .", false},  // Windows drops trailing dots and blanks: this is ".."
        {"C:\\x", false},
        {"", false},
        {"a\tb", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isBareFileName(c.name), c.bare) << c.name;
        EXPECT_EQ(attachmentPath("/prog", c.name).has_value(), c.bare) << c.name;
    }
    EXPECT_EQ(attachmentPath("/prog", "a b.pdf"), std::filesystem::path("/prog/Documenti_Allegati/a b.pdf"));
}

TEST(AttachmentNames, BareNameDropsTheFolderWhicheverSeparator) {
    EXPECT_EQ(bareName("/home/anna/Scansioni/Carta identità.jpg"), "Carta identità.jpg");
    EXPECT_EQ(bareName("C:\\Documenti\\contratto.pdf"), "contratto.pdf");
    EXPECT_EQ(bareName("contratto.pdf"), "contratto.pdf");
}

TEST(AttachmentNames, TheNameIsOneTheCardCanHold) {
    const struct {
        const char* chosen;
        std::optional<std::string> stored;
    } cases[] = {
        {"Contratto firmato.pdf", "Contratto firmato.pdf"},
        {"Fattura €50 è.pdf", "Fattura €50 è.pdf"},  // all in Windows-1252
        {"Wrocław 合同.pdf", "Wroc_aw __.pdf"},      // one "_" per missing character
        {"  spazi.txt  ", "spazi.txt"},              // the card keeps no blanks at the ends
        {"a\nb.txt", "a_b.txt"},
        {"   ", std::nullopt},
        {"..", std::nullopt},  // never a name that leads out of the folder
        {". .", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(attachmentNameFor(c.chosen), c.stored) << c.chosen;
    const std::string longest = std::string(246, 'x') + ".pdf";
    EXPECT_EQ(attachmentNameFor(longest), longest);
    EXPECT_EQ(attachmentNameFor("x" + longest), std::nullopt);
    // characters, not bytes, are counted: "ò" takes one byte on the card
    const std::string accented = std::string(246, 'x') + "ò.pd";
    EXPECT_EQ(attachmentNameFor(accented), accented);
}

TEST(AttachmentCopy, CopiesUnderItsOwnTemporaryAndLeavesUsersFilesAlone) {
    const test::TempFolder temp;
    const auto chosen = temp.path() / "scelto.pdf";
    test::writeBytes(chosen, "NUOVO");
    const auto folder = temp.path() / "Documenti_Allegati";
    std::filesystem::create_directories(folder);
    // a user's files named like temporary copies
    test::writeBytes(folder / "verbale.pdf.tmp-copy", "mine");
    test::writeBytes(folder / "verbale.pdf.tmp", "mine too");
    test::writeBytes(folder / "verbale.pdf", "VECCHIO");
    EXPECT_EQ(copyIntoAttachments(temp.path(), chosen, "verbale.pdf", [] { return true; }),
              AttachOutcome::Copied);
    EXPECT_EQ(test::readBytes(folder / "verbale.pdf"), "NUOVO");
    EXPECT_EQ(test::readBytes(folder / "verbale.pdf.tmp-copy"), "mine");
    EXPECT_EQ(test::readBytes(folder / "verbale.pdf.tmp"), "mine too");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3);

    // a copy that cannot be made leaves the old file whole and nothing behind
    test::FaultyFiles full;
    full.writesBeforeFailure = 0;
    test::writeBytes(chosen, "TERZO, PIU' LUNGO");
    EXPECT_EQ(copyIntoAttachments(
                  temp.path(), chosen, "verbale.pdf", [] { return true; }, full),
              AttachOutcome::Failed);
    EXPECT_EQ(test::readBytes(folder / "verbale.pdf"), "NUOVO");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3);
}

}  // namespace
}  // namespace custovia
