// The privacy consent document, byte for byte where its pieces are fixed.
#include <gtest/gtest.h>

#include <map>

#include "clients/privacy.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

std::string document(const std::map<std::string, std::string, std::less<>>& fields) {
    return privacyDocument([&fields](std::string_view control) {
        const auto it = fields.find(control);
        return it == fields.end() ? std::string() : it->second;
    });
}

TEST(PrivacyDocument, IsOneLineOfTheFixedPiecesWithTheValuesInBold) {
    const std::string d = document({{"txtStudioDent", " Vigilanza Sicura srl "},
                                    {"txtCittaDent", "Forlì"},
                                    {"txtPaziente", "Rossi Mario"},
                                    {"txtLuogo", "Bologna"},
                                    {"txtData", "15/05/2024"},
                                    {"txtPrivacy", "Neri Anna"}});
    EXPECT_TRUE(d.starts_with(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New "
        "Roman;}{\\f1\\fnil Verdana;}}{\\colortbl "
        ";\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\qc\\b\\f0\\fs40 "
        "Consenso al trattamento dei dati personali e sensibili\\par \\b0\\fs28 (Informativa ai sensi del "
        "Regolamento UE 2016/679)\\par " +
        std::string(54, '_') + "\\par\\par \\pard\\qj\\fs24 Ai sensi del Regolamento UE 2016/679"));
    EXPECT_TRUE(d.ends_with("\\par \\pard\\qr\\b Firma del Cliente per accettazione\\par\\par " +
                            std::string(31, '_') + "\\par \\b0\\par \\pard\\cf1\\b\\f1\\par }"));
    EXPECT_EQ(d.find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(d.find("la presente Impresa \\b Vigilanza Sicura srl\\b0 , con sede a \\b Forl\xEC\\b0  (\\b "
                     "\\b0 ), CAP: "),
              std::string::npos);
    EXPECT_NE(d.find("\\par \\b Bologna\\b0 , \\b 15/05/2024\\b0 ."), std::string::npos);
    EXPECT_NE(d.find("rappresentata dal Sig. \\b Neri Anna\\b0 , domiciliato"), std::string::npos);
    EXPECT_NE(d.find("Titolare del trattamento dei dati, nonch\xE9 Responsabile"), std::string::npos);
    EXPECT_NE(d.find("al Sig. \\b Neri Anna\\b0  esclusivamente per le finalit\\'e0 istituzionali"),
              std::string::npos);
    EXPECT_NE(
        d.find("\\par \\pard\\qj\\b0 Io sottoscritto \\b Rossi Mario\\b0 , nato a \\b \\b0  (\\b \\b0 ) il "),
        std::string::npos);
    EXPECT_NE(d.find("\\par \\b 5)\\b0  la necessit\\'e0 di comunicare"), std::string::npos);
    // every byte is Windows-1252 text: no UTF-8 sequence slipped through
    EXPECT_EQ(d.find("\xC3"), std::string::npos);
}

// The whole document, every value filled with its control's name and an accented letter.
TEST(PrivacyDocument, IsTheSameByteForByteAsTheKeptCopy) {
    const std::string d =
        privacyDocument([](std::string_view control) { return std::string(control) + " è"; });
    EXPECT_EQ(d, test::testData("privacy_document.rtf"));
}

TEST(PrivacyDocument, TypedTextCanNeverChangeTheMarkup) {
    EXPECT_EQ(rtfValue(" a{b}c\\d "), "a\\{b\\}c\\\\d");
    EXPECT_EQ(rtfValue("riga\tdue"), "riga due");
    EXPECT_EQ(rtfValue("è €"), "è €");  // inside Windows-1252: converted with the document
    EXPECT_EQ(rtfValue("Łódź"), "\\u321?ód\\u378?");
    EXPECT_EQ(rtfValue("😀"), "\\u-10179?\\u-8704?");
    const std::string d = document({{"txtPaziente", "Rossi {\\b0 Mario}"}});
    EXPECT_NE(d.find("Cliente Sig. \\b Rossi \\{\\\\b0 Mario\\}\\b0 , nato a"), std::string::npos);
}

TEST(PrivacySettings, AreWrittenInTheirOrderUnderTheirKeys) {
    std::vector<std::string> keys, controls;
    for (const PrivacySetting& s : privacySettings()) {
        keys.emplace_back(s.key);
        controls.emplace_back(s.field);
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"Denominazione Impresa", "Comune Sede", "Provincia Sede", "Cap Sede",
                                        "Via Sede", "Codice Fiscale Impresa", "Partita Iva Impresa",
                                        "Rappresentante Legale", "Titolare Privacy", "Luogo"}));
    EXPECT_EQ(controls, (std::vector<std::string>{"txtStudioDent", "txtCittaDent", "txtProvDent",
                                                  "txtCapDent", "txtIndirizzoDent", "txtCodFiscDent",
                                                  "txtIvaDent", "txtTelDent", "txtPrivacy", "txtLuogo"}));
}

}  // namespace
}  // namespace custovia
