// The required fields of a card, read through the card's values.
#include <gtest/gtest.h>

#include <map>

#include "archive/card_values.h"

namespace custovia {
namespace {

TEST(RequiredFields, TheFirstOfTheTableWhoseTrimmedValueIsEmptyIsMissing) {
    const std::vector<RequiredText> checks{{"txtNome", "manca il nome"}, {"txtCel", "manca il cellulare"}};
    std::map<std::string, std::string, std::less<>> card{{"txtNome", "Rossi"}, {"txtCel", "333"}};
    const CardValues values = [&card](std::string_view f) {
        const auto it = card.find(f);
        return it == card.end() ? std::string() : it->second;
    };
    EXPECT_EQ(firstMissing(checks, values), nullptr);
    // blanks and control characters alone are no value; a field the card lacks is empty
    for (const char* empty : {"", "  ", "\t\r\n", "\x7f "}) {
        card["txtCel"] = empty;
        const RequiredText* missing = firstMissing(checks, values);
        ASSERT_NE(missing, nullptr);
        EXPECT_EQ(missing->warning, "manca il cellulare");
    }
    card.erase("txtNome");
    EXPECT_EQ(firstMissing(checks, values)->field, "txtNome");  // the table's order, not the card's
}

}  // namespace
}  // namespace custovia
