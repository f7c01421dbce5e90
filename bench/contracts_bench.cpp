// The contract area's figures over a generated archive of 20,000 contracts: the raw read of
// the file, New's numbering (the count of records), the search with one and two filters, and
// the export grid's fill and write. Each is printed beside the raw read of the same file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/list_search.h"
#include "archive/spreadsheet_export.h"
#include "bench/bench_support.h"
#include "contracts/contract_card.h"
#include "contracts/contract_export.h"
#include "contracts/contract_lists.h"
#include "contracts/contracts.h"

namespace {

using namespace custovia;

constexpr std::size_t kContracts = 20000;

// Varied contracts: accented towns, long site locations and terms, full firm's data.
void generateContracts(const std::filesystem::path& file) {
    const char* clients[] = {"ROSSI SPA",     "Carla Rossetti", "Bianchi Srl",      "Esposito Gennaro",
                             "Caffè Colombo", "Ricci & Figli",  "Marino Logistica", "Greco Antonio"};
    const char* towns[] = {"Napoli", "Forlì", "Bologna", "Milano", "Cantù", "Pozzuoli", "NAPOLI", "Modena"};
    const char* sites[] = {"Magazzino", "Negozio", "Villa privata", "Uffici", "Capannone industriale"};
    std::string bytes;
    bytes.reserve(kContracts * contractLayout().size());
    for (std::size_t i = 0; i < kContracts; ++i) {
        Record r(contractLayout());
        r.set("txtNumContratto", std::to_string(i + 1));
        r.set("txtData", std::to_string(1 + i % 28) + "/" + std::to_string(1 + i % 12) + "/20" +
                             std::to_string(15 + i % 11));
        r.set("txtLuogo", "Bologna");
        r.set("txtDitta", "Istituto di Vigilanza Notturna Città di Bologna Srl");
        r.set("txtPartitaIva", "01234567890");
        r.set("txtCodFisc", "01234567890");
        r.set("txtSede", "Bologna");
        r.set("txtProvRes", "BO");
        r.set("txtVia", "Via dell'Indipendenza 12");
        r.set("txtFax", "Mario Rossi");
        r.set("txtCliente", std::string(clients[i % 8]) + " " + std::to_string(i));
        r.set("txtComuneCli", towns[(i / 8) % 8]);
        r.set("txtProvCli", "NA");
        r.set("txtViaCli", "Via Toledo " + std::to_string(i % 300));
        r.set("txtTelCli", "081 " + std::to_string(100000 + i));
        r.set("txtQualitaCli", "Settimanale");
        r.set("txtTipoImpianto", sites[i % 5]);
        r.set("txtMarca", "Zona industriale, lotto " + std::to_string(i) + std::string(i % 200, 'x'));
        r.set("txtMatricola", "12 mesi rinnovabili");
        r.set("txtCaratteristiche",
              "Preavviso di 30 giorni con raccomandata o PEC" + std::string(i % 150, 'c'));
        r.set("txtImpCanone", std::to_string(100 + i % 900) + ",50");
        r.set("txtPagamento", "Bonifico bancario a 30 giorni data fattura");
        r.set("txtOpInc01", "Vigilanza ispettiva con rondaggio");
        r.set("txtOpInc02", i % 3 ? "Televigilanza" : "Vigilanza fissa");
        bytes.append(r.bytes());
    }
    bench::writeArchive(file, bytes, contractLayout());
}

std::vector<std::string> search(Archive& archive, const std::vector<SearchFilter>& filters) {
    return bench::searchRows(archive, filters, contractRow());
}

void run(const std::filesystem::path& folder) {
    const auto file = folder / std::string(kContractsFile);
    generateContracts(file);
    Archive archive(file, contractLayout());
    std::size_t sink = 0;
    const double raw = bench::bestSeconds([&] { sink += bench::rawRead(file); });
    bench::report("contracts-raw-read", raw, raw);
    bench::report("contracts-numbering",
                  bench::bestSeconds([&] { sink += proposedContractNumber("250", archive.count()).size(); }),
                  raw);
    bench::report("contracts-search-1", bench::bestSearchSeconds([&] {
                      return search(archive, {{"txtCliente", "ross"}});
                  }),
                  raw);
    bench::report("contracts-search-2", bench::bestSearchSeconds([&] {
                      return search(archive, {{"txtCliente", "ross"}, {"txtComuneCli", "napoli"}});
                  }),
                  raw);
    std::vector<GridRows> grids;
    bench::report("contracts-export-fill",
                  bench::bestFillSeconds(
                      grids, GridRows(contractExport().columns.size() + 1),
                      [&](GridRows& grid) { fillFromArchive(archive, contractExport().columns, grid); }),
                  raw);
    bench::reportExportWrites("contracts-", folder / std::string(kContractsExportFile), contractExport(),
                              grids.back(), raw);
    if (sink == 42) std::remove(file.string().c_str());
}

}  // namespace

static const bool registered = custovia::bench::addArea("contracts", &run);
