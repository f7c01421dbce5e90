// The employee row, the search over its filters and the way back from a row to its card.
#include <gtest/gtest.h>

#include "archive/archive.h"
#include "employees/employee_lists.h"
#include "employees/employees.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

Record employee(const std::string& name, const std::string& grade, const std::string& cel = "3331234567") {
    Record r(employeeLayout());
    r.set("txtDipendente", name);
    r.set("txtCel", cel);
    r.set("txtQualifica", grade);
    r.set("txtReparto", "Notturno");
    r.set("txtDisponibilita", "Lun-Ven 22-6");
    return r;
}

std::vector<SearchFilter> filters(std::initializer_list<std::pair<std::string, std::string>> typed) {
    std::vector<SearchFilter> all;
    for (const FilterField& f : employeeFilters()) all.push_back({f.field, ""});
    for (const auto& [control, text] : typed)
        for (std::size_t i = 0; i < all.size(); ++i)
            if (employeeFilters()[i].control == control) all[i].typed = text;
    return all;
}

TEST(EmployeeRow, IsPaddedColumnsWithTheAvailabilityLast) {
    const std::string expected = "Rossi Mario" + std::string(15, ' ') + "  Cel. 3331234567" +
                                 std::string(4, ' ') + "  Qual. Guardia giurata" + std::string(9, ' ') +
                                 "  Rep. Notturno" + std::string(16, ' ') + "  Disp. Lun-Ven 22-6";
    EXPECT_EQ(employeeRow()(employee("Rossi Mario", "Guardia giurata")), expected);
    // a name of 30 characters is cut to 26
    const std::string row = employeeRow()(employee("Bartolomeo Castiglioni Ferri", "G"));
    EXPECT_EQ(row.substr(0, row.find("  Cel.")), "Bartolomeo Castiglioni Fer");
}

TEST(EmployeeFilters, AreTheTenSearchableFieldsInEnterOrder) {
    std::vector<std::string> controls;
    for (const FilterField& f : employeeFilters()) {
        controls.push_back(f.control);
        EXPECT_EQ(f.field, f.control);
        EXPECT_NO_THROW(employeeLayout().indexOf(f.field));
    }
    EXPECT_EQ(controls, (std::vector<std::string>{"txtDipendente", "txtDataNasc", "txtCittadinanza",
                                                  "txtLuogoNasc", "txtCodFisc", "txtDisponibilita",
                                                  "txtQualifica", "txtReparto", "txtMansioni", "txtNote"}));
    EXPECT_EQ(employeeFilters()[1].caption, "Data di nascita (gg/mm/aaaa):");
    EXPECT_EQ(employeeFilters()[8].caption, "Equipaggiamento in dotazione:");
}

class EmployeeSearch : public ::testing::Test {
protected:
    Archive archive() { return Archive(folder_.path() / kEmployeesFile, employeeLayout()); }
    std::vector<std::string> search(std::initializer_list<std::pair<std::string, std::string>> typed) {
        const Search rule(employeeLayout(), filters(typed));
        std::vector<std::string> rows;
        Archive file = archive();
        collectRows(
            file, [&rule](std::string_view b) { return rule.matches(b); }, employeeRow(), rows);
        return rows;
    }
    test::TempFolder folder_;
};

TEST_F(EmployeeSearch, GradeFilterIgnoresCaseAndRecallTakesTheLaterOfTwoEqualRows) {
    const std::string longName = "Bartolomeo Castiglioni Ferri";
    {
        Archive file = archive();
        file.append(employee("Rossi Mario", "Sorvegliante"));
        file.append(employee("Bianchi Anna", "Autista"));
        file.append(employee(longName, "GUARDIA SORVEGLIANTE"));
        file.append(employee(longName, "GUARDIA SORVEGLIANTE"));
    }
    const auto rows = search({{"txtQualifica", "sorv"}});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].substr(0, 11), "Rossi Mario");
    EXPECT_EQ(search({}).size(), 4u);
    EXPECT_EQ(search({{"txtQualifica", "sorv"}, {"txtDipendente", "ROSSI"}}).size(), 1u);

    std::uint64_t last = 99;
    std::string loaded;
    Archive file = archive();
    openMatchingRows(file, employeeRow(), rows[2], [&](std::uint64_t index, const Record& r) {
        last = index;
        loaded = r.get("txtDipendente");
    });
    EXPECT_EQ(last, 3u);
    EXPECT_EQ(loaded, longName);  // the whole name, not the cut row
}

}  // namespace
}  // namespace custovia
