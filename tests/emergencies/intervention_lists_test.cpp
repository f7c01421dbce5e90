// The intervention row, the search over its filters and the in-progress condition.
#include <gtest/gtest.h>

#include "tests/support/files.h"

#include <random>

#include "archive/archive.h"
#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"

namespace custovia {
namespace {

struct Card {
    std::string data, utente, cel = "3331234567", tipo = "Fiat Panda", targa = "AB123CD",
                              tecnico = "Bianchi Luca", terminato = "No";
};

Record record(const Card& c) {
    Record r(interventionLayout());
    r.set("txtData", c.data);
    r.set("txtUtente", c.utente);
    r.set("txtCelUte", c.cel);
    r.set("txtTipo", c.tipo);
    r.set("txtTarga", c.targa);
    r.set("txtTecnico", c.tecnico);
    r.set("chkTerminato", c.terminato);
    return r;
}

std::vector<SearchFilter> filters(std::initializer_list<std::pair<std::string, std::string>> typed) {
    std::vector<SearchFilter> all;
    for (const FilterField& f : interventionFilters()) all.push_back({f.field, ""});
    for (const auto& [control, text] : typed)
        for (std::size_t i = 0; i < all.size(); ++i)
            if (interventionFilters()[i].control == control) all[i].typed = text;
    return all;
}

class InterventionLists : public ::testing::Test {
protected:
    Archive archive() { return Archive(folder_.path() / kInterventionsFile, interventionLayout()); }
    void store(std::initializer_list<Card> cards) {
        Archive file = archive();
        for (const Card& c : cards) file.append(record(c));
    }
    std::vector<std::string> search(std::initializer_list<std::pair<std::string, std::string>> typed) {
        const Search rule(interventionLayout(), filters(typed));
        const auto matches = [&rule](std::string_view b) { return rule.matches(b); };
        std::vector<std::string> rows;
        Archive file = archive();
        collectRows(file, matches, interventionRow(), rows);
        return rows;
    }

    test::TempFolder folder_;
};

TEST(InterventionRow, IsTheFixedColumnsWithTheOperatorLast) {
    const std::string expected = "Data: 15/05/2024  Cliente: Rossi Mario" + std::string(15, ' ') +
                                 "  Cel. 3331234567" + std::string(4, ' ') + "  Mezzo: Fiat Panda" +
                                 std::string(20, ' ') + "  Targa: AB123CD" + std::string(3, ' ') +
                                 "  Bianchi Luca";
    EXPECT_EQ(interventionRow()(record({"15/05/2024", "Rossi Mario"})), expected);
    // a reporter longer than the column is cut: the mobile always starts at the same place
    const std::string cut =
        interventionRow()(record({"15/05/2024", "Società Cooperativa Vigilanza Notturna"}));
    EXPECT_EQ(cut.substr(0, cut.find("  Cel.")), "Data: 15/05/2024  Cliente: Società Cooperativa Vigila");
}

TEST(InterventionFilters, AreTheTenSearchableFieldsInEnterOrder) {
    std::vector<std::string> controls;
    for (const FilterField& f : interventionFilters()) {
        controls.push_back(f.control);
        EXPECT_EQ(f.field, f.control);
        EXPECT_NO_THROW(interventionLayout().indexOf(f.field));
    }
    EXPECT_EQ(controls,
              (std::vector<std::string>{"txtData", "txtOperatore", "txtUtente", "txtCelUte", "txtGuasto",
                                        "txtLuogo", "txtTipo", "txtTarga", "txtTecnico", "txtNote"}));
    EXPECT_EQ(interventionFilters().front().caption, "Data segnalazione (gg/mm/aaaa):");
    EXPECT_EQ(interventionFilters()[8].caption, "Operatore di pronto intervento:");
}

TEST_F(InterventionLists, ReporterAndMonthTogetherFindTheirCardsInArchiveOrder) {
    store({{"03/05/2024", "Rossi Mario"},
           {"03/04/2024", "Rossi Mario"},
           {"20/05/2024", "ROSSO Anna", "1"},
           {"10/05/2024", "Bianchi"},
           {"01/05/2024", "Ambrosi", "2"}});
    const auto rows = search({{"txtUtente", "ros"}, {"txtData", "05/2024"}});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].substr(0, 16), "Data: 03/05/2024");
    EXPECT_EQ(rows[1].substr(0, 16), "Data: 20/05/2024");
    EXPECT_EQ(rows[2].substr(0, 16), "Data: 01/05/2024");

    EXPECT_EQ(search({}).size(), 5u);                     // all filters empty: every card
    EXPECT_EQ(search({{"txtTarga", "ab1"}}).size(), 5u);  // AB123CD, typed in lower case
    EXPECT_EQ(search({{"txtTarga", "ab1"}, {"txtUtente", "bianchi"}}).size(), 1u);
}

TEST_F(InterventionLists, DoubleClickFindsACutRowAndOpensTheLaterOfTwoEqualCards) {
    const std::string longName = "Società Cooperativa Vigilanza Notturna";
    store({{"01/05/2024", longName},
           {"02/05/2024", "Rossi"},
           {"01/05/2024", longName},
           {"03/05/2024", "Verdi"}});
    const auto rows = search({{"txtUtente", "cooperativa"}});
    ASSERT_EQ(rows.size(), 2u);
    std::uint64_t last = 99;
    std::string loaded;
    Archive file = archive();
    openMatchingRows(file, interventionRow(), rows[0], [&](std::uint64_t index, const Record& r) {
        last = index;
        loaded = r.get("txtUtente");
    });
    EXPECT_EQ(last, 2u);
    EXPECT_EQ(loaded, longName);  // the whole card, not the cut row
}

TEST(InterventionInProgress, OnlyAFlagReadingExactlyNo) {
    struct Case {
        std::string flag;
        bool listed;
    };
    for (const Case& c : {Case{"No", true}, {"Sì", false}, {"", false}, {"no", false}, {"N", false}}) {
        Card card{"01/01/2024", "Rossi"};
        card.terminato = c.flag;
        EXPECT_EQ(interventionInProgress(record(card).bytes()), c.listed) << c.flag;
    }
}

}  // namespace
}  // namespace custovia
