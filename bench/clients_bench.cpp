// The client area's figures over a generated archive of 20,000 clients: the raw read of the
// file, the search with one and two filters, the recontact list, and the export grid's fill
// and file. Each is printed beside the raw read of the same file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/list_search.h"
#include "archive/spreadsheet_export.h"
#include "bench/bench_support.h"
#include "clients/client_export.h"
#include "clients/client_lists.h"
#include "clients/clients.h"

namespace {

using namespace custovia;

constexpr std::size_t kClients = 20000;

// Varied clients: accented names and towns, firms and people, long notes and open issues,
// one in five to call back.
void generateClients(const std::filesystem::path& file) {
    const char* surnames[] = {"Rossi", "Bianchi",  "Esposito", "Colombo", "Ricci",   "Marino",
                              "Greco", "Bruno",    "Gallo",    "Conti",   "De Luca", "Mancini",
                              "Costa", "Giordano", "Fontana",  "Niccolò"};
    const char* names[] = {"Mario",  "Luca",   "Giulia",    "Anna",  "Marco",
                           "Chiara", "Andrea", "Francesca", "Nicolò"};
    const char* towns[] = {"Bologna", "Forlì", "Cesena", "Ravenna", "Rimini", "Imola", "Faenza"};
    const char* provinces[] = {"BO", "FC", "FC", "RA", "RN", "BO", "RA"};
    const char* zones[] = {"Centro storico", "Periferia nord", "Zona industriale", "Lungomare", "Collina"};
    std::string bytes;
    bytes.reserve(kClients * clientLayout().size());
    for (std::size_t i = 0; i < kClients; ++i) {
        Record r(clientLayout());
        const bool firm = i % 7 == 0;
        r.set("txtCliente",
              firm ? "Vigilanza " + std::string(surnames[i % 16]) + " S.r.l. " + std::to_string(i)
                   : std::string(surnames[i % 16]) + " " + names[(i / 16) % 9] + " " + std::to_string(i));
        r.set("txtDataNasc", std::to_string(1 + i % 28) + "/0" + std::to_string(1 + i % 9) + "/19" +
                                 std::to_string(50 + i % 50));
        r.set("txtComuneNasc", towns[i % 7]);
        r.set("txtProvNasc", provinces[i % 7]);
        r.set("txtSesso", i % 3 ? "M" : "F");
        r.set("txtRecapito", "051 " + std::to_string(100000 + i));
        r.set("txtIndirizzoRes", "Via della Libertà " + std::to_string(1 + i % 300));
        r.set("txtComuneRes", towns[(i / 7) % 7]);
        r.set("txtProvRes", provinces[(i / 7) % 7]);
        r.set("txtCapRes", std::to_string(40100 + i % 90));
        r.set("txtEstremi", i % 2 ? "Bonifico bancario a 30 giorni data fattura" : "RID mensile");
        r.set("txtTelCel", "33" + std::to_string(10000000 + i * 7));
        r.set("txtEmail", "cliente" + std::to_string(i) + "@example.it");
        r.set("txtCodFisc", "RSSMRA80A01H501U");
        r.set("txtPartitaIva", firm ? "01234567897" : "");
        r.set("txtIban", "IT60X0542811101000000123456");
        r.set("txtDocumento", "Carta d'identità n. AX" + std::to_string(1000000 + i));
        r.set("txtOccupazione", i % 4 ? "Commerciante" : "Libero professionista");
        r.set("txtProdotti", firm ? std::string(surnames[(i + 3) % 16]) + " " + names[i % 9] : "");
        r.set("txtZona", zones[i % 5]);
        r.set("txtQuestioni", i % 5 == 0 ? "Richiamare per il rinnovo del contratto di ronda notturna" : "");
        r.set("txtNote", std::string(i % 250, 'n'));
        r.set("chkRicontatta", i % 5 == 0 ? "Sì" : "No");
        bytes.append(r.bytes());
    }
    bench::writeArchive(file, bytes, clientLayout());
}

std::vector<std::string> search(Archive& archive, const std::vector<SearchFilter>& filters) {
    return bench::searchRows(archive, filters, clientSearchRow());
}

void run(const std::filesystem::path& folder) {
    const auto file = folder / std::string(kClientsFile);
    generateClients(file);
    Archive archive(file, clientLayout());
    std::size_t sink = 0;
    const double raw = bench::bestSeconds([&] { sink += bench::rawRead(file); });
    bench::report("clients-raw-read", raw, raw);
    bench::report("clients-search-1", bench::bestSearchSeconds([&] {
                      return search(archive, {{"txtCliente", "ros"}});
                  }),
                  raw);
    bench::report("clients-search-2", bench::bestSearchSeconds([&] {
                      return search(archive, {{"txtCliente", "ros"}, {"txtZona", "CENTRO"}});
                  }),
                  raw);

    using Rows = std::vector<std::string>;
    std::vector<Rows> recontact;
    bench::report("clients-recontact-fill",
                  bench::bestFillSeconds(recontact, Rows(),
                                         [&](Rows& rows) {
                                             collectRows(
                                                 archive, clientToRecontact,
                                                 [](std::string_view b) { return clientRecontactRow()(b); },
                                                 rows);
                                         }),
                  raw);
    recontact.clear();

    std::vector<GridRows> grids;
    bench::report("clients-export-fill",
                  bench::bestFillSeconds(
                      grids, GridRows(clientExport().columns.size() + 1),
                      [&](GridRows& grid) { fillFromArchive(archive, clientExport().columns, grid); }),
                  raw);
    const GridRows grid = std::move(grids.back());
    grids.clear();
    bench::reportExportWrites("clients-", folder / std::string(kClientsExportFile), clientExport(), grid,
                              raw);
    if (sink == 42) std::remove(file.string().c_str());
}

}  // namespace

static const bool registered = custovia::bench::addArea("clients", &run);
