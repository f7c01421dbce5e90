// The backups' figures over a folder of 100,000 generated intervention cards: the raw read of
// the archive, one search of it for comparison, a whole backup (each archive read twice under
// its lock, compressed and written) and the folder check. Each is printed beside the raw read.
#include <filesystem>
#include <string>

#include "app/backup.h"
#include "app/folder_check.h"
#include "archive/archive.h"
#include "bench/archive_generator.h"
#include "bench/bench_support.h"
#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"

namespace {

using namespace custovia;

constexpr std::size_t kCards = 100000;

void run(const std::filesystem::path& folder) {
    const auto file = folder / std::string(kInterventionsFile);
    bench::generateInterventions(file, kCards);
    Archive archive(file, interventionLayout());

    std::size_t sink = 0;
    const double raw = bench::bestSeconds([&] { sink += bench::rawRead(file); });
    bench::report("backup-raw-read", raw, raw);
    bench::report("backup-search-1", bench::bestSearchSeconds([&] {
                      return bench::searchRows(archive, {{"txtUtente", "ros"}}, interventionRow());
                  }),
                  raw);
    if (systemZip().available()) {
        const auto zip = folder.parent_path() / "backup-bench.zip";
        bench::report("backup-write", bench::bestSeconds([&] {
                          sink += writeBackup(folder, zip, DateTime{}, systemZip()).files;
                      }),
                      raw);
        std::filesystem::remove(zip);
    }
    bench::report("backup-check", bench::bestSeconds([&] { sink += checkFolder(folder).cards; }), raw);
    if (sink == 42) std::filesystem::remove(file);
}

}  // namespace

static const bool registered = custovia::bench::addArea("backup", &run);
