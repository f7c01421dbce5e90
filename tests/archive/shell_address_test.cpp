#include <gtest/gtest.h>

#include "archive/shell.h"

namespace custovia {
namespace {

TEST(WhatsAppAddress, EncodesTheValuesSoTheTextArrivesWhole) {
    EXPECT_EQ(whatsAppAddress(" 3471234567 ", "Via Roma & C. #3 +1 100% è"),
              "https://web.whatsapp.com/"
              "send?phone=3471234567&text=Via%20Roma%20%26%20C.%20%233%20%2B1%20100%25%20%C3%A8");
    EXPECT_EQ(mailtoLink("  a.b@example.it"), "\"mailto:a.b@example.it\"");
    EXPECT_EQ(quotedPath("/x/Riepilogo Interventi.xls"), "\"/x/Riepilogo Interventi.xls\"");
}

}  // namespace
}  // namespace custovia
