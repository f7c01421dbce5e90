#pragma once
// What every benchmark file shares: the best of several timed runs, the report line and the
// raw read of a file that each area's ratios divide by.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/list_search.h"
#include "archive/spreadsheet_export.h"

namespace custovia::bench {

// Runs per figure (BENCH_REPEATS).
int repeats();

// How the archives of a run grew: written in one pass, in large blocks, or a card at a time
// through the archive's own append, as the program's saves grow them. The system keeps the
// two in its cache differently, so each figure is taken on both; those of the second carry
// "-appended" after their name.
enum class Growth { OnePass, Appended };
Growth growth();
// Writes the records (whole, back to back) as an archive grown the current way.
void writeArchive(const std::filesystem::path& file, std::string_view records, const RecordLayout& layout);
// Drops a file's pages from the system's cache, so the next read comes from the disk.
void dropFromCache(const std::filesystem::path& file);
// The best of several runs of work, in seconds: the least disturbed by the rest of the machine.
double bestSeconds(const std::function<void()>& work);
// The same, with `between` run after each run and not timed.
double bestSeconds(const std::function<void()>& work, const std::function<void()>& between);

// Each run of a fill fills a fresh result (a copy of `empty`) into `results`; between runs, untimed, every
// result but the last is freed. Freeing is not counted, and the next run fills memory the program already
// holds, as the program does from its second list on (it keeps freed memory for reuse); the first run, into
// new memory, is one of the runs the best is taken from.
template <typename Result, typename Fill>
double bestFillSeconds(std::vector<Result>& results, const Result& empty, const Fill& fill) {
    return bestSeconds([&] { fill(results.emplace_back(empty)); },
                       [&] { results.erase(results.begin(), results.end() - 1); });
}
// A search timed as a fill is: the rows of each run are kept, as the search window keeps them,
// and freed between runs, untimed.
double bestSearchSeconds(const std::function<std::vector<std::string>()>& search);
// Prints "bench: NAME SECONDS xRATIO", RATIO being seconds over raw; NAME ends in "-appended"
// for the archives grown a card at a time.
void report(const std::string& name, double seconds, double raw);
// Reads a whole file in large blocks; returns a value derived from the bytes so the read
// cannot be left out.
std::size_t rawRead(const std::filesystem::path& file);

// Reports PREFIX"export-write", the grid written as its export file, and PREFIX"export-disk-write",
// the same bytes written the same way (a temporary file flushed, then put in the export's place)
// with nothing to make: the part of the first the disk decides.
void reportExportWrites(const std::string& prefix, const std::filesystem::path& file,
                        const ExportTable& table, const GridRows& grid, double raw);

// The rows of the records that meet the filters, as a search window collects them.
std::vector<std::string> searchRows(Archive& archive, const std::vector<SearchFilter>& filters,
                                    const RowFunction& row);

// A work area's figures: each runs over files it generates inside folder.
using AreaBench = void (*)(const std::filesystem::path& folder);
// Registers an area's figures from a static object in its own file:
//   static const bool registered = custovia::bench::addArea("clients", &runClientBench);
bool addArea(const char* name, AreaBench run);

}  // namespace custovia::bench
