#include <gtest/gtest.h>

#include "emergencies/interventions.h"

namespace custovia {
namespace {

TEST(InterventionLayout, HasTheArchiveRecordSizeAndOffsets) {
    const RecordLayout& l = interventionLayout();
    EXPECT_EQ(l.size(), 2764u);
    EXPECT_EQ(l.fieldCount(), 21u);
    struct Offset {
        const char* field;
        std::size_t at;
    };
    for (const Offset o : {Offset{"txtOperatore", 23},
                           {"txtGuasto", 156},
                           {"txtTarga", 909},
                           {"txtNote", 1004},
                           {"chkTerminato", 1255},
                           {"lblFile01", 1258},
                           {"lblDesc03", 2513}})
        EXPECT_EQ(l.offset(l.indexOf(o.field)), o.at) << o.field;
}

}  // namespace
}  // namespace custovia
