#include <gtest/gtest.h>

#include <map>

#include "emergencies/intervention_card.h"

namespace custovia {
namespace {

std::map<std::string, std::string, std::less<>> fullCard() {
    return {{"txtData", "15/05/2024"},   {"txtOre", "10"},
            {"txtMinuti", "07"},         {"txtUtente", " Rossi & Figli "},
            {"txtCelUte", "3331234567"}, {"txtGuasto", "Allarme #3 attivo"},
            {"txtLuogo", "Via Roma 1"},  {"txtTipo", "Fiat Panda"},
            {"txtTarga", "AB123CD"},     {"txtTecnico", ""},
            {"txtCelTec", "3471234567"}};
}

CardValues reader(const std::map<std::string, std::string, std::less<>>& card) {
    return [&card](std::string_view f) {
        const auto it = card.find(f);
        return it == card.end() ? std::string() : it->second;
    };
}

TEST(InterventionCard, RequestTextJoinsTheTrimmedFields) {
    const auto card = fullCard();
    EXPECT_EQ(interventionRequestText(reader(card)),
              "Si richiede di prestare soccorso utilizzando il veicolo Fiat Panda targato AB123CD presso Via "
              "Roma 1 "
              "per la seguente emergenza: Allarme #3 attivo segnalata in data 15/05/2024 alle ore 10:07 dal "
              "cliente "
              "Rossi & Figli reperibile al cellulare 3331234567");
}

TEST(InterventionCard, WhatsAppAddressCarriesTheWholeMessage) {
    const auto card = fullCard();
    const OutgoingMessage message = interventionWhatsApp(reader(card));
    EXPECT_EQ(message.kind, MessageKind::WhatsApp);
    EXPECT_EQ(message.recipient, "3471234567");
    EXPECT_EQ(message.text, interventionRequestText(reader(card)));
    const std::string address = shellText(message);
    const std::string start =
        "https://web.whatsapp.com/send?phone=3471234567&text=Si%20richiede%20di%20prestare%20"
        "soccorso%20utilizzando%20il%20veicolo%20";
    EXPECT_EQ(address.substr(0, start.size()), start);
    // "&" and "#" are encoded so that they stay inside the text value
    EXPECT_NE(address.find("Rossi%20%26%20Figli"), std::string::npos);
    EXPECT_NE(address.find("Allarme%20%233"), std::string::npos);
    EXPECT_EQ(address.find('#'), std::string::npos);
    EXPECT_EQ(address.find('&', address.find("&text=") + 1), std::string::npos);
}

TEST(InterventionCard, ChecksStopAtTheFirstMissingFieldInOrder) {
    auto card = fullCard();
    card["txtTarga"] = " ";
    card["txtCelTec"] = "";
    card["txtTecnico"] = "";
    const RequiredText* save = firstMissing(interventionSaveChecks(), reader(card));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->field, "txtTarga");
    card["txtTarga"] = "AB123CD";
    EXPECT_EQ(firstMissing(interventionSaveChecks(), reader(card))->field, "txtTecnico");
    // the WhatsApp request does not need the operator's name
    EXPECT_EQ(firstMissing(interventionWhatsAppChecks(), reader(card))->field, "txtCelTec");
    EXPECT_EQ(interventionSaveChecks().size(), 11u);
    EXPECT_EQ(interventionWhatsAppChecks().size(), 10u);
}

}  // namespace
}  // namespace custovia
