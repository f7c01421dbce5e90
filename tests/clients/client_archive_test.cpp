// The client archive: its record on disk, the rows of its lists, what the picker imports, the
// export and the printed card.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/shell.h"
#include "archive/text.h"
#include "clients/client_card.h"
#include "clients/client_export.h"
#include "clients/client_lists.h"
#include "clients/clients.h"
#include "report/template_parser.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

Record client(const std::string& name, const std::string& flag = "No") {
    Record r(clientLayout());
    r.set("txtCliente", name);
    r.set("txtRecapito", "051 123456");
    r.set("txtZona", "Centro storico");
    r.set("txtProdotti", "Verdi Carla");
    r.set("txtQuestioni", "rinnovo contratto");
    r.set("txtNote", "cliente storico");
    r.set("chkRicontatta", flag);
    return r;
}

TEST(ClientLayout, HasTheArchiveRecordSizeAndOffsets) {
    const RecordLayout& l = clientLayout();
    EXPECT_EQ(l.size(), 3372u);
    EXPECT_EQ(l.fieldCount(), 36u);
    struct Offset {
        const char* field;
        std::size_t at;
    };
    for (const Offset o : {Offset{"txtDataNasc", 51},
                           {"txtSesso", 136},
                           {"txtCapRes", 294},
                           {"txtEstremi", 300},
                           {"txtCodFisc", 726},
                           {"txtIban", 817},
                           {"txtZona", 1310},
                           {"txtNote", 1612},
                           {"chkRicontatta", 1863},
                           {"lblFile01", 1866},
                           {"lblDesc03", 3121}})
        EXPECT_EQ(l.offset(l.indexOf(o.field)), o.at) << o.field;
}

TEST(ClientLayout, AWrittenRecordHoldsTheTrimmedTextAndTheFlagBytes) {
    test::TempFolder folder;
    Archive file(folder.path() / std::string(kClientsFile), clientLayout());
    Record yes = client("  Rossi Mario  ", "Sì");
    yes.set("txtComuneNasc", "Forlì");
    file.append(yes);
    file.append(client("Bianchi", "No"));
    const std::string bytes = test::readBytes(file.path());
    ASSERT_EQ(bytes.size(), 2 * 3372u);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x0BRossi Mario"));
    EXPECT_EQ(bytes.substr(82, 6), std::string("\x05"
                                               "Forl\xEC"));
    EXPECT_EQ(bytes.substr(1863, 3), std::string("\x02S\xEC"));
    EXPECT_EQ(bytes.substr(3372 + 1863, 3), std::string("\x02No"));
    EXPECT_EQ(file.load(0).get("chkRicontatta"), "Sì");
}

TEST(ClientLists, SearchAndRecontactRowsShareTheirColumnsAndDifferAtTheEnd) {
    Record r = client("Rossi Mario");
    r.set("txtZona", "Una zona dal nome molto lungo oltre la colonna");
    const std::string search = clientSearchRow()(r);
    EXPECT_EQ(search,
              "Rossi Mario               "
              "  Tel. 051 123456     "
              "  Zona: Una zona dal nome molto l"
              "  Legale: Verdi Carla                 "
              "  cliente storico");
    const std::string recontact = clientRecontactRow()(r);
    EXPECT_EQ(recontact.substr(0, search.size() - 15), search.substr(0, search.size() - 15));
    EXPECT_TRUE(recontact.ends_with("  rinnovo contratto"));
}

TEST(ClientLists, OnlyAFlagReadingExactlyYesIsToRecontact) {
    EXPECT_TRUE(clientToRecontact(client("a", "Sì").bytes()));
    EXPECT_FALSE(clientToRecontact(client("a", "No").bytes()));
    EXPECT_FALSE(clientToRecontact(client("a", "").bytes()));
    EXPECT_FALSE(clientToRecontact(client("a", "SI").bytes()));
}

TEST(ClientLists, EachModeTagImportsItsOwnFields) {
    const auto pairs = [](std::string_view tag) {
        std::vector<std::string> out;
        for (const ImportTarget& t : clientImportTargets(tag))
            out.push_back(std::string(t.field) + ">" + std::string(t.control));
        return out;
    };
    EXPECT_EQ(pairs("interventi"), (std::vector<std::string>{"txtCliente>txtUtente", "txtTelCel>txtCelUte"}));
    EXPECT_EQ(pairs("scadenze"),
              (std::vector<std::string>{"txtCliente>txtContatto", "txtRecapito>txtTel", "txtTelCel>txtCel",
                                        "txtEmail>txtEmail", "txtEstremi>txtLuogo"}));
    EXPECT_EQ(pairs("contratto"),
              (std::vector<std::string>{
                  "txtCliente>txtCliente", "txtComuneRes>txtComuneCli", "txtProvRes>txtProvCli",
                  "txtCapRes>txtCapCli", "txtPartitaIva>txtPartitaIvaCli", "txtCodFisc>txtCodFiscCli",
                  "txtIndirizzoRes>txtViaCli", "txtRecapito>txtTelCli", "txtEstremi>txtPagamento"}));
    EXPECT_TRUE(pairs("clienti").empty());
    EXPECT_TRUE(pairs("altro").empty());
    // every source is a client field
    for (const char* tag : {"interventi", "scadenze", "contratto"})
        for (const ImportTarget& t : clientImportTargets(tag))
            EXPECT_NO_THROW(clientLayout().indexOf(t.field));
}

TEST(ClientExport, ThreeClientsGiveAHeaderRowAndThreeRowsOf25Cells) {
    test::TempFolder folder;
    Archive file(folder.path() / std::string(kClientsFile), clientLayout());
    for (const char* name : {"Rossi", "Bianchi", "Verdi"}) {
        Record r = client(name);
        r.set("txtComuneRes", "Bologna");
        r.set("txtProvRes", "BO");
        r.set("txtCapRes", "40100");
        r.set("txtSesso", "M");
        file.append(r);
    }
    GridRows rows(clientExport().columns.size() + 1);
    ASSERT_TRUE(fillFromArchive(file, clientExport().columns, rows));
    ASSERT_EQ(rows.rowCount(), 3u);
    EXPECT_EQ(rows.cell(2, 0), "3");
    EXPECT_EQ(rows.cell(0, 6), "Bologna BO");
    EXPECT_EQ(rows.cell(0, 3), "");  // no town of birth, no province: the lone space is trimmed

    const std::string bytes = spreadsheetBytes(clientExport(), rows);
    EXPECT_NE(bytes.find("<x:Name>Archivio Clienti</x:Name>"), std::string::npos);
    EXPECT_EQ(bytes.find_first_of("\r\n"), std::string::npos);
    const auto count = [&bytes](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = bytes.find(what); at != std::string::npos; at = bytes.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("<tr>"), 4u);
    EXPECT_EQ(count("<td style=\"text-align: left; font-weight: bold;\""), 25u);
    EXPECT_EQ(count("<td style=\"text-align: left;\">"), 75u);
    EXPECT_NE(bytes.find("width=250>Comune di nascita</td>"), std::string::npos);
    EXPECT_NE(bytes.find("width=250>Modalit\xE0 di pagamento</td>"), std::string::npos);
    EXPECT_NE(bytes.find("width=300>Note</td></tr>"), std::string::npos);
    EXPECT_EQ(bytes.find("40100"), std::string::npos);  // the postal code is not exported
}

TEST(ClientCard, SaveNeedsTheNameTheMobileAndTheTaxCodeInThisOrder) {
    std::map<std::string, std::string, std::less<>> card;
    const ClientValues values = [&card](std::string_view f) {
        const auto it = card.find(f);
        return it == card.end() ? std::string() : it->second;
    };
    std::vector<std::string> order;
    for (const RequiredText* missing = firstMissing(clientSaveChecks(), values); missing;
         missing = firstMissing(clientSaveChecks(), values)) {
        order.emplace_back(missing->field);
        card[std::string(missing->field)] = "x";
    }
    EXPECT_EQ(order, (std::vector<std::string>{"txtCliente", "txtTelCel", "txtCodFisc"}));
    EXPECT_EQ(clientSaveChecks().back().warning,
              "Attenzione: per salvare la scheda è necessario indicare il codice fiscale del cliente.");
}

TEST(ClientCard, TheEmailLinkCanNeverAddARecipientOrASubject) {
    EXPECT_EQ(mailtoLink("  mario.rossi@example.it "), "\"mailto:mario.rossi@example.it\"");
    EXPECT_EQ(mailtoLink("a#b@x.it"), "\"mailto:a%23b@x.it\"");
    EXPECT_EQ(mailtoLink("a?subject=x@x.it"), "\"mailto:a%3Fsubject%3Dx@x.it\"");
    EXPECT_EQ(mailtoLink("a@x.it,b@y.it&cc=c@z.it"), "\"mailto:a@x.it%2Cb@y.it%26cc%3Dc@z.it\"");
    EXPECT_EQ(mailtoLink(""), "\"mailto:\"");
}

TEST(ClientCard, ThePrintedCardFillsEveryRowAndNamesTheFirstByCopy) {
    report::Template card = report::parseTemplate(test::readBytes(std::filesystem::path(CUSTOVIA_SOURCE_DIR) /
                                                                  "templates/reports/scheda_cliente.report"));
    std::map<std::string, std::string, std::less<>> screen{
        {"txtCliente", " Rossi Mario "}, {"txtComuneNasc", "Forlì"}, {"txtProvNasc", "FC"},
        {"txtScadeCarta", "12/27"},      {"txtCivile", "coniugato"}, {"txtCapRes", "40100"}};
    const ClientValues values = [&screen](std::string_view f) {
        const auto it = screen.find(f);
        return it == screen.end() ? std::string() : it->second;
    };
    fillClientCard(card, values, {2025, 3, 3, 9, 5, 7}, CardCopy::Paper);
    EXPECT_EQ(card.findObject("txtTitolo")->text, "SCHEDA ANAGRAFICA CLIENTE");
    EXPECT_EQ(card.findObject("titCampo01")->text, "Cognome e nome (o Ragione sociale):");
    EXPECT_EQ(card.findObject("txtCampo01")->text, "Rossi Mario");
    EXPECT_EQ(card.findObject("txtCampo03")->text, "Forlì FC");
    EXPECT_EQ(card.findObject("titCampo16")->text, "Carta di credito:");
    EXPECT_EQ(card.findObject("txtCampo16")->text, "N.   -  Scadenza: 12/27");
    EXPECT_EQ(card.findObject("titCampo24")->text, "Note:");
    EXPECT_EQ(card.findObject("txtCalce")->text, "Stampa eseguita in data 03/03/2025 alle ore 09:05:07");
    for (int row = 1; row <= kClientCardRows; ++row)
        EXPECT_NE(clientCardValue(row, values), "coniugato");  // civil status is not printed
    fillClientCard(card, values, {2025, 3, 3, 9, 5, 7}, CardCopy::Screen);
    EXPECT_EQ(card.findObject("titCampo01")->text, "Cognome e nome:");
}

}  // namespace
}  // namespace custovia
