// Attachment names: only bare file names ever reach the attachments folder.
#include <gtest/gtest.h>

#include "archive/attachments.h"

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

}  // namespace
}  // namespace custovia
