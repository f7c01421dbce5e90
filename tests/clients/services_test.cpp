// The services file of a client: its name, its record, the amounts and the total.
#include <gtest/gtest.h>

#include "archive/archive.h"
#include "clients/services.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

Record service(const std::string& date, const std::string& text, const std::string& amount) {
    Record r(serviceLayout());
    r.set("txtData", date);
    r.set("txtOra", "10:30");
    r.set("txtServizi", text);
    r.set("txtAgente", "Bianchi Luca");
    r.set("txtImporto", amount);
    return r;
}

TEST(Services, FileIsNamedAfterTheClientsRecordNumber) {
    EXPECT_EQ(serviceLayout().size(), 117u);
    EXPECT_EQ(serviceLayout().fieldCount(), 5u);
    EXPECT_EQ(serviceLayout().offset(serviceLayout().indexOf("txtImporto")), 101u);
    EXPECT_EQ(servicesFileName("7"), "Servizi_Cliente_7.pro");
    EXPECT_EQ(servicesFileName(" 12 "), "Servizi_Cliente_12.pro");
}

TEST(Services, AmountsAreRoundedHalfUpOnTheTextAsTyped) {
    struct Case {
        const char* typed;
        const char* money;
    };
    for (const Case c : {Case{"12", "12,00"},
                         {"12,5", "12,50"},
                         {"12,346", "12,35"},
                         {"12,344", "12,34"},
                         {"12,345", "12,35"},
                         {"0,125", "0,13"},
                         {"1,005", "1,01"},  // 1.005 in binary is just under: the text is not
                         {"0,995", "1,00"},
                         {"", "0,00"},
                         {"   ", "0,00"},
                         {"1,2,3", "0,00"},
                         {",5", "0,50"},
                         {"12,", "12,00"},
                         {"007", "7,00"},
                         {"1250,00", "1250,00"},
                         {"999999999999999", "999999999999999,00"},
                         {"abc", "0,00"},
                         // a negative amount from an older file rounds by its size, once
                         {"-0,5", "-0,50"},
                         {"-0,005", "-0,01"},
                         {"-0,50", "-0,50"},
                         {"100000000000000000", "0,00"}})  // more digits than any field
        EXPECT_EQ(normaliseAmount(c.typed), c.money) << c.typed;
}

class ServicesFile : public ::testing::Test {
protected:
    Archive file() { return Archive(folder.path() / servicesFileName("3"), serviceLayout()); }
    test::TempFolder folder;
};

TEST_F(ServicesFile, TheTotalIsExactInCents) {
    Archive f = file();
    EXPECT_EQ(listServices(f).total, "0,00");  // a client without services yet
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Servizi_Cliente_3.pro"));
    f.append(service("01/02/2024", "Ronda notturna", "10,10"));
    f.append(service("02/02/2024", "Apertura", ""));  // no amount: not listed
    f.append(service("03/02/2024", "Sopralluogo", "20,20"));
    const ServiceList list = listServices(f);
    EXPECT_EQ(list.total, "30,30");
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[0], "Data: 01/02/2024   Ora: 10:30   Servizi: Ronda notturna" + std::string(40, ' ') +
                                "  Agente: Bianchi Luca                  Costo: € 10,10");
    EXPECT_EQ(list.rows[1].find("  Agente: "), list.rows[0].find("  Agente: "));
}

TEST_F(ServicesFile, AnUnreadableAmountIsListedButLeftOutOfTheTotal) {
    Archive f = file();
    f.append(service("01/02/2024", "Primo", "10,00"));
    f.append(service("02/02/2024", "Secondo", "12.50"));
    f.append(service("03/02/2024", "Terzo", "5,00"));
    f.append(service("04/02/2024", "Quarto", "cinque"));
    const ServiceList list = listServices(f);
    ASSERT_EQ(list.rows.size(), 4u);  // the services after it are not hidden
    EXPECT_NE(list.rows[1].find("Costo: € 12.50"), std::string::npos);  // shown as stored
    EXPECT_EQ(list.total, "15,00");
    EXPECT_EQ(list.unreadable, 2u);
}

TEST(Services, AnAmountIsStoredOnlyWhenItsMoneyTextFitsTheField) {
    struct Case {
        const char* typed;
        std::optional<std::string> stored;
    };
    for (const Case& c : {Case{"123456789012", "123456789012,00"},  // 12 digits: 15 characters
                          {"99999999999,995", "100000000000,00"},
                          {"1234567890123", std::nullopt},  // its cents would be cut
                          {"123456789012345", std::nullopt},
                          {"", "0,00"},
                          {"1,2,3", "0,00"}})
        EXPECT_EQ(storableAmount(c.typed), c.stored) << c.typed;
}

TEST(Services, TheSummaryEndsWithTheDashedLineAndTheTotalEvenWhenEmpty) {
    EXPECT_EQ(servicesSummaryLines({}, "€ 0,00"),
              (std::vector<std::string>{"--------------------------", "TOTALE IMPORTI:    € 0,00"}));
    EXPECT_EQ(servicesSummaryLines({"riga"}, " € 12,50 ").back(), "TOTALE IMPORTI:    € 12,50");
}

}  // namespace
}  // namespace custovia
