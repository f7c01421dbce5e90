// The employee archive's record, its save checks and the tax code button's choice.
#include <gtest/gtest.h>

#include <map>

#include "archive/archive.h"
#include "employees/employees.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

TEST(EmployeeLayout, HasTheArchiveRecordSizeAndOffsets) {
    const RecordLayout& l = employeeLayout();
    EXPECT_EQ(l.size(), 3356u);
    EXPECT_EQ(l.fieldCount(), 31u);
    struct Offset {
        const char* field;
        std::size_t at;
    };
    for (const Offset o : {Offset{"txtDipendente", 0},
                           {"txtSesso", 51},
                           {"txtDataNasc", 53},
                           {"txtCodFisc", 400},
                           {"txtPartitaIva", 468},
                           {"txtEmail", 722},
                           {"txtCel", 804},
                           {"txtMansioni", 1058},
                           {"txtIban", 1309},
                           {"txtDataAss", 1337},
                           {"txtRetribuzione", 1348},
                           {"txtNote", 1599},
                           {"lblFile01", 1850},
                           {"lblFile03", 2352},
                           {"lblDesc01", 2603},
                           {"lblDesc03", 3105}})
        EXPECT_EQ(l.offset(l.indexOf(o.field)), o.at) << o.field;
}

TEST(EmployeeLayout, WrittenRecordIsByteExact) {
    test::TempFolder folder;
    Archive archive(folder.path() / kEmployeesFile, employeeLayout());
    Record r(employeeLayout());
    r.set("txtDipendente", "  Rossi Mario ");
    r.set("txtSesso", "M");
    r.set("txtCitta", "Forlì");
    r.set("txtNote", std::string(300, 'n'));  // cut to the capacity
    r.set("lblDesc03", "Contratto € 10");
    archive.append(r);
    archive.append(r);

    // tests/data/employee_record.bin: the record of 3356 bytes, each field a length byte, its
    // Windows-1252 text and zeros to its capacity; the archive holds it twice
    const std::string expected = test::testData("employee_record.bin");
    EXPECT_EQ(test::readBytes(archive.path()), expected + expected);
    EXPECT_EQ(archive.load(1).get("txtCitta"), "Forlì");
}

TEST(EmployeeSaveChecks, NameSexMobileGradeDepartmentInThisOrder) {
    std::vector<std::string> order;
    for (const RequiredText& r : employeeSaveChecks()) order.emplace_back(r.field);
    EXPECT_EQ(order, (std::vector<std::string>{"txtDipendente", "txtSesso", "txtCel", "txtQualifica",
                                               "txtReparto"}));
    const std::map<std::string, std::string> card{
        {"txtDipendente", "Rossi"}, {"txtSesso", "M"}, {"txtCel", "333"}, {"txtQualifica", "  "}};
    const RequiredText* missing = firstMissing(employeeSaveChecks(), [&card](std::string_view f) {
        const auto it = card.find(std::string(f));
        return it == card.end() ? std::string() : it->second;
    });
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->warning,
              "Attenzione: per salvare la scheda è necessario indicare la qualifica dal dipendente.");
}

}  // namespace
}  // namespace custovia
