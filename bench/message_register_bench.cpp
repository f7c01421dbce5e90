// The message register's figures over 100,000 generated messages: the list of every message
// newest first (read, split, rows), a search on the text, the export grid's fill and the append
// of one more message under the lock. Each is printed beside the raw read of the same file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/message_register.h"
#include "bench/bench_support.h"

namespace {

using namespace custovia;

constexpr std::size_t kMessages = 100000;

// Requests, reminders and e-mail links from every work area, accented texts among them.
void generateRegister(const std::filesystem::path& file) {
    const char* areas[] = {"Coordinamento Emergenze", "Clienti e Servizi", "Archivio Dipendenti",
                           "Schedario Appuntamenti", "Agenda Appuntamenti"};
    std::string bytes;
    for (std::size_t i = 0; i < kMessages; ++i) {
        const DateTime at{2025, int(1 + i % 12), int(1 + i % 28), int(i % 24), int(i % 60), int(i % 60)};
        const OutgoingMessage message =
            i % 3 == 2
                ? emailMessage("cliente" + std::to_string(i) + "@example.it")
                : whatsAppMessage(std::to_string(3300000000 + i),
                                  "Si richiede di prestare soccorso presso Via Roma " + std::to_string(i) +
                                      ", Forlì per la seguente emergenza: allarme scattato nel magazzino " +
                                      std::string(i % 200, 'x'));
        bytes += registerLine(at, {areas[i % 5], std::to_string(i + 1)}, message, i % 7 != 0);
    }
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::size_t listRows(const std::filesystem::path& file, const std::vector<SearchFilter>& filters) {
    const std::string content = readRegister(file);
    std::vector<std::string> rows;
    for (const std::string_view line : selectRegisterLines(content, filters))
        rows.push_back(registerRow(line));
    return rows.size();
}

void run(const std::filesystem::path& folder) {
    const auto file = folder / std::string(kMessageRegisterFile);
    generateRegister(file);
    std::size_t sink = 0;
    const double raw = bench::bestSeconds([&] { sink += bench::rawRead(file); });
    bench::report("register-raw-read", raw, raw);
    bench::report("register-list", bench::bestSeconds([&] { sink += listRows(file, {}); }), raw);
    bench::report("register-search", bench::bestSeconds([&] {
                      sink += listRows(file, {{"area", "emergenze"}, {"testo", "magazzino"}});
                  }),
                  raw);
    const std::string content = readRegister(file);
    const std::vector<std::string_view> lines = selectRegisterLines(content, {});
    std::vector<GridRows> grids;
    grids.reserve(std::size_t(bench::repeats()));
    bench::report("register-export-fill", bench::bestSeconds([&] {
                      addRegisterRows(lines, grids.emplace_back(registerExport().columns.size() + 1));
                  }),
                  raw);
    const std::string line = registerLine({2026, 1, 1, 8, 0, 0}, {"Agenda Appuntamenti", "1"},
                                          whatsAppMessage("3331234567", "Promemoria"), true);
    bench::report("register-append", bench::bestSeconds([&] { appendToRegister(file, line); }), raw);
    if (sink == 42) std::remove(file.string().c_str());
}

}  // namespace

static const bool registered = custovia::bench::addArea("register", &run);
