// The contract archive's record, numbering, date and fee rules, settings keys, list row and
// worksheet, byte for byte where they reach a file.
#include <gtest/gtest.h>

#include "tests/support/files.h"

#include "archive/archive.h"
#include "archive/ini_file.h"
#include "archive/list_search.h"
#include "contracts/contract_card.h"
#include "contracts/contract_export.h"
#include "contracts/contract_lists.h"
#include "contracts/contracts.h"

namespace custovia {
namespace {

TEST(ContractLayout, HasTheArchiveRecordSizeAndOffsets) {
    const RecordLayout& l = contractLayout();
    EXPECT_EQ(l.size(), 4891u);
    EXPECT_EQ(l.fieldCount(), 48u);
    struct Offset {
        const char* field;
        std::size_t at;
    };
    for (const Offset o : {Offset{"txtData", 31},
                           {"txtDitta", 93},
                           {"txtProvRes", 294},
                           {"txtFax", 506},
                           {"txtCliente", 627},
                           {"txtMarca", 1021},
                           {"txtImpCanone", 2150},
                           {"txtPagamento", 2166},
                           {"txtOpInc01", 2417},
                           {"txtOpEsc04", 3264},
                           {"lblFile01", 3385},
                           {"lblDesc01", 4138},
                           {"lblDesc03", 4640}})
        EXPECT_EQ(l.offset(l.indexOf(o.field)), o.at) << o.field;
}

TEST(ContractLayout, WritesTheRecordAsAnEarlierInstallationReadsIt) {
    test::TempFolder folder;
    Archive archive(folder.path() / std::string(kContractsFile), contractLayout());
    Record r(contractLayout());
    r.set("txtNumContratto", "  254 ");
    r.set("txtData", "1/2/2024");
    r.set("txtCliente", "Società è");
    r.set("txtMarca", std::string(300, 'x'));
    r.set("txtImpCanone", "1500,00");
    r.set("lblDesc03", "scansione");
    EXPECT_EQ(archive.append(r), 0u);

    // the record as an earlier installation wrote it: the six fields at 0, 31, 627, 1021, 2150
    // and 4640, each a length byte and its Windows-1252 text
    const std::string expected = test::testData("contract_record.bin");
    const std::string bytes = test::readBytes(archive.path());
    ASSERT_EQ(bytes.size(), 4891u);
    // only the length byte and the text are significant; the rest of each field is ours
    const RecordLayout& l = contractLayout();
    for (std::size_t i = 0; i < l.fieldCount(); ++i)
        EXPECT_EQ(rawField(l, bytes, i), rawField(l, expected, i)) << l.field(i).name;
    EXPECT_EQ(archive.load(0).get("txtMarca").size(), 250u);
}

TEST(ContractNumbering, ProposesTheStartPlusTheContractsArchived) {
    EXPECT_EQ(proposedContractNumber("", 0), "1");
    EXPECT_EQ(proposedContractNumber("", 10), "11");
    EXPECT_EQ(proposedContractNumber("250", 4), "254");
    EXPECT_EQ(proposedContractNumber(" 100 ", 3), "103");
    EXPECT_EQ(proposedContractNumber("007", 0), "7");
    EXPECT_EQ(proposedContractNumber("99999", 4), "100003");
}

TEST(ContractNumbering, AStartThatDoesNotReadAsTheWindowsNumberIsAMissingOne) {
    const std::pair<const char*, std::uint64_t> cases[] = {
        {"", 1},    {"  ", 1},    {"-7", 1},     {"abc", 1},     {"12a", 1},
        {"1,5", 1}, {"+3", 1},    {"1 2", 1},    {"123456", 1},  {"99999999999999999999", 1},
        {"0", 0},   {"00007", 7}, {"000007", 7}, {" 250 ", 250}, {"99999", 99999},
    };
    for (const auto& [stored, start] : cases) EXPECT_EQ(contractStartNumber(stored), start) << stored;
}

TEST(ContractNumbering, TheStartFieldIsLeftAsAWholeNumber) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"", "1"},    {"   ", "1"}, {"007", "7"}, {"100", "100"}, {"0", "0"},
        {"2,5", "3"}, {"2,4", "2"}, {"abc", "1"}, {"1.000", "1"},
    };
    for (const auto& [typed, left] : cases) EXPECT_EQ(normaliseStartNumber(typed), left) << typed;
}

TEST(ContractDate, AcceptsRealDaysAsTypedAndRefusesTheRest) {
    for (const char* good : {"1/2/2024", "01/02/2024", "29/02/2024", "31/12/2025", "29/02/2000", "9/09/1999"})
        EXPECT_TRUE(isValidContractDate(good)) << good;
    for (const char* bad :
         {"31/02/2024", "31/04/2025", "29/02/2025", "29/02/1900", "0/1/2024", "1/13/2024", "1/2/24",
          "001/2/2024", "1-2-2024", "1/2/2024 ", "a/2/2024", "", "//", "1/2/0000"})
        EXPECT_FALSE(isValidContractDate(bad)) << bad;
}

TEST(ContractFee, IsNormalisedToUpToFourDecimalsOnTheTypedDigits) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"", "0,00"},
        {"  ", "0,00"},
        {"7", "7,00"},
        {",5", "0,50"},
        {"1234,5", "1234,50"},
        {"0,125", "0,125"},
        {"1500", "1500,00"},
        {"99,5", "99,50"},
        {"12,345", "12,345"},
        {"12,34567", "12,3457"},
        {"12,34565", "12,3457"},  // half up, on the digits rather than on a binary value
        {"12,34564", "12,3456"},
        {"9,99995", "10,00"},
        {"007,10", "7,10"},
        {"5,", "5,00"},
        {"0,00004", "0,00"},
        {"999999999999999", "999999999999999,00"},  // fifteen digits: no overflow
        {"99999999999,9999", "99999999999,9999"},
        {"1.000,00", "0,00"},
        {"abc", "0,00"},
        {",", "0,00"},
        {"1,2,3", "0,00"},
        {"-5", "0,00"},
    };
    for (const auto& [typed, left] : cases) EXPECT_EQ(normaliseFee(typed), left) << typed;
}

TEST(ContractSettings, FirmDataAndNumberingLiveUnderTheirSectionsAndKeys) {
    test::TempFolder folder;
    const auto ini = folder.path() / std::string(kContractSettingsFile);
    const char* keys[] = {"Denominazione", "Partita Iva",  "Codice Fiscale", "Sede Legale",
                          "Provincia",     "CAP",          "Indirizzo",      "Telefono",
                          "PEC",           "Responsabile", "Luogo Stipula"};
    const char* fields[] = {"txtDitta", "txtPartitaIva", "txtCodFisc", "txtSede", "txtProvRes", "txtCapRes",
                            "txtVia",   "txtTelUff",     "txtTelCel",  "txtFax",  "txtLuogo"};
    ASSERT_EQ(firmSettings().size(), 11u);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(firmSettings()[i].key, keys[i]);
        EXPECT_EQ(firmSettings()[i].field, fields[i]);
        writeIniString(ini, kFirmSection, firmSettings()[i].key, i == 0 ? "Vigilanza Notturna è" : "");
    }
    writeIniString(ini, kNumberingSection, kNumberingStartKey, "250");
    std::string expected = "[Istituto Vigilanza]\r\nDenominazione=Vigilanza Notturna \xE8\r\n";
    for (std::size_t i = 1; i < 11; ++i) expected += std::string(keys[i]) + "=\r\n";
    expected += "[Numerazione Contratti]\r\nInizio=250\r\n";
    EXPECT_EQ(test::readBytes(ini), expected);
}

Record contract(const std::string& cliente, const std::string& numero, const std::string& data) {
    Record r(contractLayout());
    r.set("txtCliente", cliente);
    r.set("txtTelCli", "051 234567");
    r.set("txtTipoImpianto", "Magazzino");
    r.set("txtMarca", "Via dell'Industria 12, Bologna");
    r.set("txtNumContratto", numero);
    r.set("txtData", data);
    return r;
}

TEST(ContractList, RowPadsTheColumnsAndEndsWithNumberAndDate) {
    EXPECT_EQ(contractRow()(contract("ROSSI SPA", "12", "03/05/2025")),
              "ROSSI SPA                     Tel. 051 234567            Tipo: Magazzino                "
              "  Via dell'Industria 12, Bologna  Contratto n. 12 del 03/05/2025");
    // a long name is cut to its column
    const std::string row = contractRow()(contract(std::string(40, 'N'), "1", "1/2/2024"));
    EXPECT_EQ(row.substr(0, 30), std::string(28, 'N') + "  ");
}

TEST(ContractList, FiltersCombineCaseInsensitively) {
    test::TempFolder folder;
    Archive archive(folder.path() / std::string(kContractsFile), contractLayout());
    struct Row {
        const char* cliente;
        const char* comune;
        const char* data;
    };
    for (const Row r :
         {Row{"ROSSI SPA", "NAPOLI", "03/05/2025"}, Row{"Carla Rossetti", "Milano", "1/2/2024"},
          Row{"Bianchi", "Napoli", "12/12/2025"}, Row{"Rossi Giorgio", "Pozzuoli (napoli)", "2/2/2023"}}) {
        Record rec = contract(r.cliente, "1", r.data);
        rec.set("txtComuneCli", r.comune);
        archive.append(rec);
    }
    auto listed = [&](std::initializer_list<std::pair<std::string, std::string>> typed) {
        std::vector<SearchFilter> filters;
        for (const FilterField& f : contractFilters()) {
            filters.push_back({f.field, ""});
            for (const auto& [control, text] : typed)
                if (control == f.control) filters.back().typed = text;
        }
        const Search search(contractLayout(), filters);
        std::vector<std::string> names;
        archive.scan([&](std::uint64_t, std::string_view bytes) {
            if (search.matches(bytes)) names.push_back(Record(contractLayout(), bytes).get("txtCliente"));
        });
        return names;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(listed({}).size(), 4u);
    EXPECT_EQ(listed({{"txtCliente", "ross"}}), (Names{"ROSSI SPA", "Carla Rossetti", "Rossi Giorgio"}));
    EXPECT_EQ(listed({{"txtCliente", "ross"}, {"txtComuneCli", "napoli"}}),
              (Names{"ROSSI SPA", "Rossi Giorgio"}));
    EXPECT_EQ(listed({{"txtData", "2025"}}), (Names{"ROSSI SPA", "Bianchi"}));
}

// tests/data/contracts_empty.xls: the worksheet's frame around its header row alone;
// contracts.xls: the same with the two contracts below, in Windows-1252, the "<" escaped.
std::string exportOf(Archive& archive) {
    GridRows rows(contractExport().columns.size() + 1);
    EXPECT_TRUE(fillFromArchive(archive, contractExport().columns, rows));
    return spreadsheetBytes(contractExport(), rows);
}

TEST(ContractExport, EmptyArchiveGivesTheHeaderRowOnly) {
    test::TempFolder folder;
    Archive archive(folder.path() / std::string(kContractsFile), contractLayout());
    EXPECT_EQ(contractExport().fileName, "Contratti.xls");
    EXPECT_EQ(contractExport().columns[1].gridHeader, "Data stipula");
    EXPECT_EQ(exportOf(archive), test::testData("contracts_empty.xls"));
}

TEST(ContractExport, WritesTwentyFiveCellsARowAndLeavesTheFirmOut) {
    test::TempFolder folder;
    Archive archive(folder.path() / std::string(kContractsFile), contractLayout());
    Record r(contractLayout());
    const char* fields[] = {
        "txtNumContratto",    "txtData",          "txtLuogo",      "txtCliente",       "txtComuneCli",
        "txtViaCli",          "txtPartitaIvaCli", "txtCodFiscCli", "txtTelCli",        "txtQualitaCli",
        "txtTipoImpianto",    "txtMarca",         "txtMatricola",  "txtAlimentazione", "txtAnnoCostruz",
        "txtCaratteristiche", "txtUbicazione",    "txtDurata",     "txtTotale",        "txtPeriodicita",
        "txtImpCanone",       "txtPagamento",     "txtOpInc01",    "txtOpInc02",       "txtOpInc03"};
    // short values: each fits even the 11-character VAT number
    for (std::size_t i = 0; i < 25; ++i) r.set(fields[i], "c" + std::to_string(i));
    r.set("txtProvCli", "NA");
    r.set("txtCliente", "Caff\xC3\xA8 <Bar>");
    for (const char* other : {"txtDitta", "txtOpInc04", "txtOpEsc01", "lblFile01"})
        r.set(other, "NON ESPORTARE");
    archive.append(r);
    Record bare(contractLayout());
    bare.set("txtComuneCli", "Napoli");  // no province: no trailing blank
    archive.append(bare);

    const std::string bytes = exportOf(archive);
    EXPECT_EQ(bytes, test::testData("contracts.xls"));
    EXPECT_EQ(bytes.find("NON ESPORTARE"), std::string::npos);
}

}  // namespace
}  // namespace custovia
