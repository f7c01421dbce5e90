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

    // tests/data/appointment_record.bin: one record of 1265 bytes, each field a length byte, its
    // Windows-1252 text and zeros to its capacity
    EXPECT_EQ(test::readBytes(archive.path()), test::testData("appointment_record.bin"));
}

}  // namespace
}  // namespace custovia
