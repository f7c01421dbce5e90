// The appointment record as an earlier installation writes it.
#include <gtest/gtest.h>

#include "appointments/appointments.h"
#include "archive/archive.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

TEST(AppointmentLayout, HasTheArchiveRecordSizeAndOffsets) {
    const RecordLayout& l = appointmentLayout();
    EXPECT_EQ(l.size(), 1265u);
    EXPECT_EQ(l.fieldCount(), 16u);
    const std::pair<const char*, std::size_t> offsets[] = {
        {"txtData", 0},       {"txtOreApp", 11},    {"txtMinutiApp", 14}, {"lblOra", 17},
        {"txtAvviso", 23},    {"txtTipologia", 27}, {"txtCausale", 78},   {"txtDettagli", 329},
        {"txtContatto", 580}, {"txtTel", 631},      {"txtCel", 662},      {"txtEmail", 693},
        {"txtLuogo", 744},    {"txtImporto", 995},  {"txtNote", 1011},    {"chkOttemperata", 1262},
    };
    for (std::size_t i = 0; i < std::size(offsets); ++i) {
        EXPECT_EQ(l.field(i).name, offsets[i].first);
        EXPECT_EQ(l.offset(i), offsets[i].second) << offsets[i].first;
    }
}

// The bytes a field takes: its length, its Windows-1252 text, zeros to its capacity.
void place(std::string& record, std::size_t at, const std::string& cp1252) {
    record[at] = char(cp1252.size());
    record.replace(at + 1, cp1252.size(), cp1252);
}

TEST(AppointmentLayout, WritesTheRecordByteForByte) {
    test::TempFolder folder;
    Archive archive(folder.path() / kAppointmentsFile, appointmentLayout());
    Record r(appointmentLayout());
    r.set("txtData", "15/03/2026");
    r.set("txtOreApp", "09");
    r.set("txtMinutiApp", "30");
    r.set("lblOra", "09:30");
    r.set("txtAvviso", "3");
    r.set("txtContatto", "  Società Sicurezza  ");
    r.set("txtCel", "3331234567");
    r.set("txtImporto", "120,50");
    r.set("txtNote", std::string(300, 'n'));  // cut to the capacity
    r.set("chkOttemperata", "Sì");
    archive.append(r);

    std::string expected(1265, '\0');
    place(expected, 0, "15/03/2026");
    place(expected, 11, "09");
    place(expected, 14, "30");
    place(expected, 17, "09:30");
    place(expected, 23, "3");
    place(expected, 580, "Societ\xE0 Sicurezza");
    place(expected, 662, "3331234567");
    place(expected, 995, "120,50");
    place(expected, 1011, std::string(250, 'n'));
    place(expected, 1262, "S\xEC");
    EXPECT_EQ(test::readBytes(archive.path()), expected);
}

}  // namespace
}  // namespace custovia
