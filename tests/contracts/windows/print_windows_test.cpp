// The printed contract: both pages read back from a real PDF, the texts with their prefixes
// and spacing, a value longer than its box cut at the box's edge, and the logo's fallbacks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <map>
#include <regex>

#include "contracts/contract_card.h"
#include "contracts/windows/ContractLogo.h"
#include "contracts/windows/TfrmAnteprimaCon.h"
#include "contracts/windows/TfrmStampaCon.h"
#include "fakes.h"
#include "report/windows/Report.h"

namespace custovia {
namespace {

using test::FakeEnvironment;
using Values = std::map<std::string, std::string, std::less<>>;

Values contractOnScreen() {
    return {
        {"txtNumContratto", " 254 "},
        {"txtData", "1/2/2024"},
        {"txtLuogo", "Bologna"},
        {"txtDitta", "Vigilanza Notturna Srl"},
        {"txtPartitaIva", "01234567890"},
        {"txtCodFisc", "RSSMRA80A01A944I"},
        {"txtSede", "Bologna"},
        {"txtProvRes", "BO"},
        {"txtCapRes", "40100"},
        {"txtVia", "Via Roma 1"},
        {"txtTelUff", "051 123456"},
        {"txtTelCel", "vigilanza@pec.it"},
        {"txtFax", "Mario Rossi"},
        {"txtCliente", "ROSSI SPA"},
        {"txtComuneCli", "Napoli"},
        {"txtProvCli", "NA"},
        {"txtCapCli", "80100"},
        {"txtPartitaIvaCli", "09876543210"},
        {"txtCodFiscCli", ""},
        {"txtViaCli", "Via Toledo 5"},
        {"txtTelCli", ""},
        {"txtQualitaCli", "Settimanale"},
        {"txtTipoImpianto", "Magazzino"},
        {"txtMarca", "Zona industriale"},
        {"txtMatricola", "12 mesi"},
        {"txtAlimentazione", "Mensile"},
        {"txtAnnoCostruz", "Bologna"},
        {"txtCaratteristiche", "Preavviso di 30 giorni"},
        {"txtUbicazione", "Polizza RC 123"},
        {"txtDurata", "22:00-06:00"},
        {"txtTotale", "15 minuti"},
        {"txtPeriodicita", "Tarriffa oraria"},
        {"txtImpCanone", "1500,00"},
        {"txtPagamento", "Bonifico bancario"},
        {"txtOpInc01", "Vigilanza ispettiva con rondaggio"},
        {"txtOpEsc04", "Interventi fuori orario"},
    };
}

CardValues screenOf(const Values& values) {
    return [values](std::string_view field) {
        const auto it = values.find(field);
        return it == values.end() ? std::string() : it->second;
    };
}

// What pdftotext reads on each page, in reading order, blanks as printed.
std::vector<std::string> pdfPages(const std::filesystem::path& pdf) {
    const std::string text = test::commandOutput("pdftotext -enc UTF-8 '" + pdf.string() + "' -");
    std::vector<std::string> pages;
    std::size_t from = 0;
    for (std::size_t feed; (feed = text.find('\f', from)) != std::string::npos; from = feed + 1)
        pages.push_back(text.substr(from, feed - from));
    return pages;
}

// The lines of page 1 rebuilt from the words' positions, with as many blanks between two
// words as the gap between them holds at 8 points (the size of the firm's and client's boxes):
// pdftotext alone shows every run of blanks as one.
std::vector<std::string> spacedLines(const std::filesystem::path& pdf) {
    constexpr double kBlankAt8Points = 0.2773 * 8;
    const std::string boxes = test::commandOutput("pdftotext -bbox -f 1 -l 1 '" + pdf.string() + "' -");
    struct Word {
        double left, right;
        std::string text;
    };
    std::map<long, std::vector<Word>> byLine;  // by the words' top, in tenths of a point
    const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" [^>]*>([^<]*)</word>)re");
    for (std::sregex_iterator it(boxes.begin(), boxes.end(), word), end; it != end; ++it)
        byLine[std::lround(std::stod((*it)[2]) * 10)].push_back(
            {std::stod((*it)[1]), std::stod((*it)[3]), (*it)[4]});
    std::vector<std::string> lines;
    for (auto& [top, words] : byLine) {
        std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.left < b.left; });
        std::string line = words[0].text;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const long blanks = std::lround((words[i].left - words[i - 1].right) / kBlankAt8Points);
            line += std::string(std::size_t(std::max(1L, blanks)), ' ') + words[i].text;
        }
        lines.push_back(line);
    }
    return lines;
}

bool printedOnALine(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&text](const std::string& line) { return line.find(text) != std::string::npos; });
}

std::string singleSpaced(const std::string& text) {
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

TEST(ContractTemplate, FillsEveryObjectWithItsPrefixesAndSpacing) {
    report::Report report = report::Report::fromResource("contratto_vigilanza");
    EXPECT_EQ(report.layout().name, "Contratto Vigilanza");
    EXPECT_TRUE(report.layout().twoSided);
    fillContract(report.layout(), screenOf(contractOnScreen()));
    const auto& pages = report.prepare();
    ASSERT_EQ(pages.size(), 2u);
    auto printed = [&](const char* name) {
        const report::DrawnItem* item = pages[0].find(name);
        return item && !item->lines.empty() ? item->lines[0] : std::string("<none>");
    };
    EXPECT_EQ(printed("txtNumContratto"), "254");
    EXPECT_EQ(printed("txtPartitaIva"), "P. IVA: 01234567890");
    EXPECT_EQ(printed("txtCodFisc"), "C.F. RSSMRA80A01A944I");
    EXPECT_EQ(printed("txtSede"), "Sede legale:  Bologna  BO     CAP:  40100     Via Roma 1");
    EXPECT_EQ(printed("txtTelUff"), "Tel.  051 123456");
    EXPECT_EQ(printed("txtTelCel"), "PEC:  vigilanza@pec.it");
    EXPECT_EQ(printed("txtFax"), "Rappresentante legale:  Mario Rossi");
    EXPECT_EQ(printed("txtCodFiscCli"), "C.F. ");  // the prefix even without a value
    EXPECT_EQ(printed("txtComuneCli"), "Residenza:  Napoli  NA     CAP:  80100     Via Toledo 5");
    EXPECT_EQ(printed("txtTelCli"), "Tel.  ");
    EXPECT_EQ(printed("txtImpCanone"), "€ 1500,00");
    EXPECT_EQ(pages[0].find("txtImpCanone")->object.hAlign, report::HAlign::Right);
    EXPECT_EQ(printed("txtPeriodicita"), "Tarriffa oraria");
    EXPECT_TRUE(pages[0].find("titTesto15")->object.wordWrap);
    EXPECT_NE(pages[1].find("txtClausole2"), nullptr);
}

class ContractPrintTest : public ::testing::Test {
protected:
    template <typename Window>
    std::filesystem::path printWith(const Values& values) {
        Window window(nullptr, fake.env(), screenOf(values));
        window.show();
        window.template findChild<QPushButton*>("btnStampa")->click();
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(fake.printDialogs.pdfs.size(), 1u);
        return fake.printDialogs.pdfs.empty() ? std::filesystem::path() : fake.printDialogs.pdfs.back();
    }

    FakeEnvironment fake;
};

TEST_F(ContractPrintTest, PrintsBothPagesAsOneJob) {
    const auto pdf = printWith<TfrmStampaCon>(contractOnScreen());
    const auto pages = pdfPages(pdf);
    EXPECT_EQ(fake.printDialogs.printDialogs, 1);
    ASSERT_EQ(pages.size(), 2u);
    const std::string front = pages[0];
    for (const char* text :
         {"CONTRATTO DI SERVIZI DI VIGILANZA PRIVATA", "CONTRATTO N.", "254", "1/2/2024", "€ 1500,00",
          "Tarriffa oraria", "Vigilanza ispettiva con rondaggio", "Interventi fuori orario",
          "LE PARTI CONVENGONO E STIPULANO", "FIRMA DEL RAPPRESENTANTE DELL'ISTITUTO", "Pagina 1 di 2"})
        EXPECT_NE(front.find(text), std::string::npos) << text;
    // the prefixes with the blanks inside them, as printed
    const std::vector<std::string> lines = spacedLines(pdf);
    for (const char* text :
         {"P. IVA: 01234567890", "C.F. RSSMRA80A01A944I",
          "Sede legale:  Bologna  BO     CAP:  40100     Via Roma 1", "Tel.  051 123456",
          "PEC:  vigilanza@pec.it", "Rappresentante legale:  Mario Rossi",
          "Residenza:  Napoli  NA     CAP:  80100     Via Toledo 5", "P. IVA: 09876543210"})
        EXPECT_TRUE(printedOnALine(lines, text)) << text;
    // the sentence above the second signature wraps inside its box and prints whole
    EXPECT_NE(
        singleSpaced(front).find("gli artt. 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16 e 17."),
        std::string::npos);

    const std::string back = singleSpaced(pages[1]);
    EXPECT_NE(back.find("CLAUSOLE CONTRATTUALI"), std::string::npos);
    EXPECT_NE(back.find("Pagina 2 di 2"), std::string::npos);
    int article = 0;
    for (const char* heading :
         {"Parti del contratto.", "Oggetto del contratto.", "Frequenza e orari dei servizi.",
          "Durata del contratto.", "Corrispettivo e modalità di pagamento.", "Obblighi dell'Istituto.",
          "Obblighi del Cliente.", "Responsabilità.", "Assicurazione.", "Dotazioni e strumenti.",
          "Variazioni e sospensione del servizio.", "Recesso contrattuale e termini di preavviso.",
          "Controversie e foro competente.", "Informativa sulla privacy.", "Piano Operativo di Vigilanza.",
          "Accesso al sito e sicurezza.", "Lettura congiunta delle pagine."}) {
        const std::string numbered = std::to_string(++article) + ". " + heading;
        EXPECT_NE(back.find(numbered), std::string::npos) << numbered;
    }
    // the last words of the last article fit inside the column
    EXPECT_NE(back.find("parte integrante delle presenti clausole."), std::string::npos);
}

TEST_F(ContractPrintTest, ALongSiteIsCutAtItsBoxAndNeverWrapped) {
    Values values = contractOnScreen();
    std::string site;
    for (int i = 0; site.size() < 250; ++i) site += "Sito" + std::to_string(i) + " ";
    site.resize(250);
    values["txtMarca"] = site;
    const std::string front = pdfPages(printWith<TfrmAnteprimaCon>(values))[0];
    EXPECT_EQ(fake.printDialogs.previews, 1);
    EXPECT_NE(front.find("Sito0 Sito1 Sito2"), std::string::npos);
    EXPECT_EQ(front.find(site.substr(200, 20)), std::string::npos);  // beyond the box: not printed
    EXPECT_NE(front.find("Orari ispezioni:"), std::string::npos);
}

TEST_F(ContractPrintTest, TheLogoIsReadOnShowWithTheEuroLogoAsFallback) {
    {
        TfrmStampaCon window(nullptr, fake.env(), screenOf({}));
        window.show();
        EXPECT_EQ(window.logo(), defaultContractLogo());
    }
    ASSERT_TRUE(storeContractLogo(blankContractLogo(), fake.folder() / "Logo.bmp"));
    TfrmAnteprimaCon window(nullptr, fake.env(), screenOf({}));
    window.show();
    EXPECT_EQ(window.logo().size(), QSize(2, 2));
    test::writeBytes(fake.folder() / "Logo.bmp", "BM rotto");
    TfrmAnteprimaCon broken(nullptr, fake.env(), screenOf({}));
    broken.show();
    EXPECT_EQ(broken.logo(), defaultContractLogo());
}

}  // namespace
}  // namespace custovia
