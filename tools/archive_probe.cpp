// Reads and searches an archive of 10,000 generated intervention cards and prints what it
// found: the same lines on every system, so the Windows build (run under Wine) and the Linux
// one are held to one expected file. The archive lives in "Cartella Niccolò €/Archivio
// Niccolò.pro" under the folder given, so the names go through the program's own path
// conversion.
//   archive_probe FOLDER [EXPECTED]   (with EXPECTED: exits 1 when the lines differ from it)
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/ini_file.h"
#include "archive/list_search.h"
#include "archive/paths.h"
#include "archive/spreadsheet_export.h"
#include "emergencies/intervention_export.h"
#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"

namespace {

using namespace custovia;

// FNV-1a: a short fingerprint of a file's bytes.
std::uint64_t fingerprint(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Card i of the generated archive: the same on every system.
Record card(std::uint32_t i) {
    static const char* const people[] = {"Niccolò Bianchi", "Lucia Ferrè",     "Marco Rossi",
                                         "Anna Verdi",      "Giulia Esposito", "Paolo Colombo"};
    static const char* const places[] = {"Via Roma 1, Città di Castello", "Piazza Duomo, Milano",
                                         "Corso Vittorio Emanuele, Napoli", "Via dell'Università, Padova"};
    static const char* const faults[] = {"Allarme scattato", "Porta forzata €", "Sensore guasto",
                                         "Chiamata senza risposta", "Blackout"};
    std::uint32_t r = i * 2654435761u + 12345u;
    const auto pick = [&r](std::uint32_t n) {
        r = r * 1103515245u + 12345u;
        return (r >> 16) % n;
    };
    Record rec(interventionLayout());
    char date[11];
    std::snprintf(date, sizeof date, "%02u/%02u/%04u", 1 + pick(28), 1 + pick(12), 2020 + pick(6));
    rec.set("txtData", date);
    rec.set("txtOre", std::to_string(10 + pick(14)));
    rec.set("txtMinuti", std::to_string(10 + pick(50)));
    rec.set("txtOperatore", people[pick(6)]);
    rec.set("txtUtente", people[pick(6)]);
    rec.set("txtCelUte", "3" + std::to_string(100000000 + pick(899999999)));
    rec.set("txtGuasto", faults[pick(5)]);
    rec.set("txtLuogo", places[pick(4)]);
    rec.set("txtTipo", pick(2) ? "Fiat Panda" : "Alfa Romeo Giulietta");
    rec.set("txtTarga", "AB" + std::to_string(100 + pick(900)) + "CD");
    rec.set("txtTecnico", people[pick(6)]);
    rec.set("txtNote", std::string(pick(3) * 40, 'n') + " nota " + std::to_string(i));
    rec.set("chkTerminato", pick(3) ? "Sì" : "No");
    return rec;
}

int searchCount(Archive& archive, const std::vector<SearchFilter>& filters) {
    const Search search(interventionLayout(), filters);
    std::vector<std::string> rows;
    collectRows(
        archive, [&search](std::string_view bytes) { return search.matches(bytes); }, interventionRow(),
        rows);
    return int(rows.size());
}

}  // namespace

std::string out;

void line(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    out += text;
    out += '\n';
}

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: archive_probe FOLDER [EXPECTED]\n");
        return 2;
    }
    const std::uint32_t cards = 10000;
    try {
        const std::filesystem::path folder = pathFromUtf8(argv[1]) / pathFromUtf8("Cartella Niccolò €");
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const std::filesystem::path file = folder / pathFromUtf8("Archivio Niccolò.pro");

        // most cards written as an earlier installation would have left them, the last ten
        // appended and one updated through the archive itself
        {
            std::string bytes;
            for (std::uint32_t i = 0; i + 10 < cards; ++i) bytes += card(i).bytes();
            std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        }
        Archive archive(file, interventionLayout());
        for (std::uint32_t i = cards < 10 ? 0 : cards - 10; i < cards; ++i) archive.append(card(i));
        Record changed = archive.load(7);
        changed.set("chkTerminato", "No");
        changed.set("txtNote", "Aggiornata: è ancora in corso");
        archive.update(7, changed);

        line("cards: %llu", static_cast<unsigned long long>(archive.count()));
        std::vector<std::string> rows;
        collectRows(archive, interventionInProgress, interventionRow(), rows);
        line("in progress: %zu", rows.size());
        line("first in progress: %s", rows.empty() ? "" : rows.front().c_str());
        line("search operator 'niccolò': %d", searchCount(archive, {{"txtOperatore", "niccolò"}}));
        line("search place 'città' and fault 'allarme': %d",
             searchCount(archive, {{"txtLuogo", "città"}, {"txtGuasto", "ALLARME"}}));
        line("search fault '€': %d", searchCount(archive, {{"txtGuasto", "€"}}));
        line("archive: %zu bytes, fingerprint %016llx", readAll(file).size(),
             static_cast<unsigned long long>(fingerprint(readAll(file))));

        const ExportTable& table = interventionExport();
        GridRows grid(table.columns.size() + 1);
        if (!fillFromArchive(archive, table.columns, grid)) throw ArchiveError("export fill failed");
        const std::filesystem::path exported = folder / table.fileName;
        writeSpreadsheet(exported, table, grid);
        const std::string exportBytes = readAll(exported);
        line("export: %zu rows, %zu bytes, fingerprint %016llx", grid.rowCount(), exportBytes.size(),
             static_cast<unsigned long long>(fingerprint(exportBytes)));

        writeIniString(folder / "Segnalazioni.ini", "Segnalazioni", "Operatore", "Niccolò €");
        writeIniString(folder / "Segnalazioni.ini", "Altro", "Chiave", "Sì");
        const std::string ini = readAll(folder / "Segnalazioni.ini");
        line("ini: %zu bytes, fingerprint %016llx, operator %s", ini.size(),
             static_cast<unsigned long long>(fingerprint(ini)),
             readIniString(folder / "Segnalazioni.ini", "segnalazioni", "OPERATORE").c_str());
        std::filesystem::remove_all(folder);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "archive_probe failed: %s\n", e.what());
        return 1;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (argc < 3) return 0;
    std::string expected = readAll(pathFromUtf8(argv[2]));
    std::erase(expected, '\r');
    if (out == expected) return 0;
    std::fprintf(stderr, "archive_probe: these lines differ from %s:\n%s", argv[2], expected.c_str());
    return 1;
}
