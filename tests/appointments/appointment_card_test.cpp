// The WhatsApp confirmation and reminder, and the printed appointment card.
#include <gtest/gtest.h>

#include <map>

#include "appointments/appointment_card.h"
#include "report/template_parser.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

TEST(AppointmentMessages, ConfirmAndRemindWithTheTrimmedTimeAndDate) {
    EXPECT_EQ(
        confirmationText("09", " 30", "15/03/2026 "),
        "Gentile Cliente, le confermiamo l'appuntamento fissato per le ore 09:30 del giorno 15/03/2026");
    EXPECT_EQ(reminderText("09:30", "15/03/2026"),
              "Gentile Cliente, le ricordiamo l'appuntamento fissato per le ore 09:30 del giorno 15/03/2026");
}

TEST(AppointmentMessages, TheAddressesCarryTheNumberAndTheEncodedText) {
    const std::map<std::string, std::string, std::less<>> card{
        {"txtCel", " 3331234567 "}, {"txtOreApp", "09"}, {"txtMinutiApp", "30"}, {"txtData", "15/03/2026"}};
    const AppointmentScreen screen = [&card](std::string_view f) {
        const auto it = card.find(f);
        return it == card.end() ? std::string() : it->second;
    };
    EXPECT_EQ(shellText(confirmationMessage(screen)),
              "https://web.whatsapp.com/send?phone=3331234567&text=Gentile%20Cliente%2C%20le%20confermiamo%20"
              "l%27appuntamento%20fissato%20per%20le%20ore%2009%3A30%20del%20giorno%2015%2F03%2F2026");
    EXPECT_EQ(shellText(reminderMessage(" 333 & 1", "09:30", "15/03/2026")).substr(0, 56),
              "https://web.whatsapp.com/send?phone=333%20%26%201&text=G");
}

TEST(AppointmentChecks, SaveAndTheConfirmationNeedTheirFieldsInOrder) {
    std::map<std::string, std::string, std::less<>> card{
        {"txtData", "15/03/2026"}, {"txtAvviso", "0"}, {"txtCausale", "Ronda"}, {"txtContatto", "Rossi"}};
    const AppointmentScreen screen = [&card](std::string_view f) {
        const auto it = card.find(f);
        return it == card.end() ? std::string() : it->second;
    };
    EXPECT_EQ(firstMissing(appointmentSaveChecks(), screen)->warning,
              "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.");
    EXPECT_EQ(firstMissing(appointmentWhatsAppChecks(), screen)->field, "txtCel");
    card["txtCel"] = "333";
    card["txtData"] = " ";
    EXPECT_EQ(firstMissing(appointmentSaveChecks(), screen)->field, "txtData");
    EXPECT_EQ(
        firstMissing(appointmentWhatsAppChecks(), screen)->warning,
        "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp è necessario "
        "indicare la data.");
    // the confirmation needs only the date and the mobile
    card = {{"txtData", "15/03/2026"}, {"txtCel", "333"}};
    EXPECT_EQ(firstMissing(appointmentWhatsAppChecks(), screen), nullptr);
    EXPECT_EQ(firstMissing(appointmentSaveChecks(), screen)->field, "txtAvviso");
}

TEST(PrintedAppointmentCard, TakesTheScreenTrimmedAndTheMomentOfPrinting) {
    report::Template card = report::parseTemplate(test::readBytes(
        std::filesystem::path(CUSTOVIA_SOURCE_DIR) / "templates/reports/scheda_appuntamento.report"));
    const std::map<std::string, std::string, std::less<>> screen{
        {"txtData", "15/03/2026"},  {"txtOreApp", "09"},      {"txtMinutiApp", "30"},
        {"txtContatto", " Rossi "}, {"txtLuogo", "Bonifico"}, {"chkOttemperata", "No"},
        {"txtImporto", "120,50"},   {"txtNote", "Citofonare"}};
    fillAppointmentCard(
        card,
        [&screen](std::string_view f) {
            const auto it = screen.find(f);
            return it == screen.end() ? std::string() : it->second;
        },
        DateTime{2026, 3, 10, 8, 5, 9});
    const auto text = [&card](const char* name) { return card.findObject(name)->text; };
    EXPECT_EQ(card.name, "Scheda Appuntamento");
    EXPECT_EQ(text("titTitolo"), "SCHEDA APPUNTAMENTO");
    EXPECT_EQ(text("txtOra"), "09:30");
    EXPECT_EQ(text("txtContatto"), "Rossi");
    EXPECT_EQ(text("txtLuogo"), "Bonifico");
    EXPECT_EQ(text("txtOttemperata"), "No");
    EXPECT_EQ(text("titLuogo"), "Modalità di pagamento:");
    EXPECT_EQ(text("txtCalce"), "Stampa eseguita in data 10/03/2026 alle ore 08:05:09");
}

}  // namespace
}  // namespace custovia
