// Benchmarks over a generated archive of 100,000 intervention cards. Each figure is printed as
// "bench: NAME SECONDS xRATIO", RATIO being SECONDS over the raw read of the same file measured
// in the same run, so the figures compare across machines.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "archive/archive.h"
#include "archive/list_search.h"
#include "archive/memory.h"
#include "archive/spreadsheet_export.h"
#include "bench/archive_generator.h"
#include "bench/bench_support.h"
#include "emergencies/intervention_export.h"
#include "emergencies/intervention_lists.h"
#include "emergencies/interventions.h"

#ifdef CUSTOVIA_BENCH_WIDGETS
#include <QApplication>
#include <QHeaderView>
#include <QListView>
#include <QTableView>
#include <malloc.h>

#include "app/windows/Startup.h"
#include "archive/windows/GridModel.h"
#include "archive/windows/RealEnvironment.h"
#include "archive/windows/RowListModel.h"
#include "emergencies/windows/TfrmTrovaInterventi.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#endif

namespace {

using namespace custovia;
using Steady = std::chrono::steady_clock;

std::size_t gCards = 100000;
// the best of this many runs: on a shared host one run in three or four can take half as long
// again, and the first runs of a fill also fault in the memory the later ones use again
int gRepeats = 9;
// BENCH_COLD: the file each figure reads is dropped from the system's cache before every run
std::vector<std::filesystem::path> gColdFiles;
bench::Growth gGrowth = bench::Growth::OnePass;

using bench::bestSearchSeconds;
using bench::bestSeconds;
using bench::rawRead;

void report(const char* name, double seconds, double raw) { bench::report(name, seconds, raw); }

std::vector<std::pair<const char*, bench::AreaBench>>& areas() {
    static std::vector<std::pair<const char*, bench::AreaBench>> all;
    return all;
}

// The process's resident memory, file pages it maps included.
double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

std::vector<std::string> search(Archive& archive, const std::vector<SearchFilter>& filters) {
    return bench::searchRows(archive, filters, interventionRow());
}

#ifdef CUSTOVIA_BENCH_WIDGETS
// What the user waits for in the real search window: from "Cerca" to the rows and their count
// on screen, over the archive in the folder.
double searchWindowWait(const std::filesystem::path& folder, const QString& typed) {
    RealEnvironment real(folder, folder);  // nothing delivered is read here
    double best = 1e9;
    for (int i = 0; i < gRepeats; ++i) {
        TfrmTrovaInterventi window(real.env(), nullptr);
        window.show();
        QApplication::processEvents();
        window.findChild<QLineEdit*>(QStringLiteral("txtUtente"))->setText(typed);
        auto* cerca = window.findChild<QPushButton*>(QStringLiteral("btnCerca"));
        const auto start = Steady::now();
        cerca->click();
        window.repaint();  // the rows and the count drawn, as the user sees them
        QApplication::processEvents();
        best = std::min(best, std::chrono::duration<double>(Steady::now() - start).count());
        if (window.findChild<QLabel*>(QStringLiteral("lblTrovate"))->text().isEmpty()) std::abort();
    }
    return best;
}

// Memory held by the process: the heap in use and the resident set. A widget's cost is the
// larger of the two growths, so memory taken again from what earlier figures freed counts too.
struct Held {
    double heap = 0, resident = 0;
};

Held memoryHeld() {
    Held held;
    held.resident = residentMegabytes();
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    held.heap = double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
#endif
    return held;
}

double megabytesAdded(const Held& before) {
    const Held now = memoryHeld();
    return std::max(now.heap - before.heap, now.resident - before.resident);
}
#endif

}  // namespace

namespace custovia::bench {

int repeats() { return gRepeats; }

double bestSeconds(const std::function<void()>& work) {
    return bestSeconds(work, [] {});
}

double bestSeconds(const std::function<void()>& work, const std::function<void()>& between) {
    double best = 1e9;
    for (int i = 0; i < gRepeats; ++i) {
        for (const auto& file : gColdFiles) dropFromCache(file);
        const auto start = Steady::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Steady::now() - start).count());
        between();
    }
    return best;
}

double bestSearchSeconds(const std::function<std::vector<std::string>()>& search) {
    std::vector<std::vector<std::string>> kept;
    return bestFillSeconds(kept, {}, [&](std::vector<std::string>& rows) { rows = search(); });
}

Growth growth() { return gGrowth; }

void dropFromCache(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0) return;
    ::fdatasync(fd);  // only pages already on disk can be dropped
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

void writeArchive(const std::filesystem::path& file, std::string_view records, const RecordLayout& layout) {
    std::filesystem::remove(file);
    if (gGrowth == Growth::OnePass) {
        std::ofstream(file, std::ios::binary).write(records.data(), std::streamsize(records.size()));
        return;
    }
    Archive archive(file, layout);
    for (std::size_t at = 0; at + layout.size() <= records.size(); at += layout.size())
        archive.append(Record(layout, records.substr(at, layout.size())));
}

void report(const std::string& name, double seconds, double raw) {
    const char* grown = gGrowth == Growth::Appended ? "-appended" : "";
    std::printf("bench: %s%s %.6f x%.2f\n", name.c_str(), grown, seconds, seconds / raw);
    std::fflush(stdout);
}

std::size_t rawRead(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    std::size_t total = 0, sum = 0;
    while (in.read(buffer.data(), std::streamsize(buffer.size())) || in.gcount() > 0) {
        total += std::size_t(in.gcount());
        sum += std::size_t(buffer[0]);  // touch the data
    }
    return total + (sum & 1);
}

void reportExportWrites(const std::string& prefix, const std::filesystem::path& file,
                        const ExportTable& table, const GridRows& grid, double raw) {
    report(prefix + "export-write", bestSeconds([&] { writeSpreadsheet(file, table, grid); }), raw);
    const std::string bytes = spreadsheetBytes(table, grid);
    report(prefix + "export-disk-write", bestSeconds([&] { writeExportFile(file, bytes); }), raw);
}

std::vector<std::string> searchRows(Archive& archive, const std::vector<SearchFilter>& filters,
                                    const RowFunction& row) {
    const Search rule(archive.layout(), filters);
    std::vector<std::string> rows;
    collectRows(
        archive, [&rule](std::string_view bytes) { return rule.matches(bytes); }, row, rows);
    return rows;
}

bool addArea(const char* name, AreaBench run) {
    areas().emplace_back(name, run);
    return true;
}

}  // namespace custovia::bench

namespace {

// The intervention area's figures; the widget figures need the application made by main().
std::size_t runInterventionBench(const std::filesystem::path& folder) {
    const auto file = folder / std::string(kInterventionsFile);
    bench::generateInterventions(file, gCards);
    Archive archive(file, interventionLayout());
    if (std::getenv("BENCH_COLD")) gColdFiles = {file};

    std::size_t sink = 0;
    const double raw = bestSeconds([&] { sink += rawRead(file); });
    report("raw-read", raw, raw);

    const double residentBefore = residentMegabytes();
    report("search-1", bestSearchSeconds([&] { return search(archive, {{"txtUtente", "ros"}}); }), raw);
    // a scan holds one block of the file a thread, and the rows it found, whatever the file's size
    std::printf("mem: search-1 %.1f\n", residentMegabytes() - residentBefore);
    report("search-2", bestSearchSeconds([&] {
               return search(archive, {{"txtUtente", "ros"}, {"txtData", "05/2024"}});
           }),
           raw);

    using Rows = std::vector<std::string>;
    std::vector<Rows> pending, everyRow;
    report("summary-fill",
           bench::bestFillSeconds(pending, Rows(),
                                  [&](Rows& rows) {
                                      collectRows(
                                          archive, interventionInProgress,
                                          [](std::string_view b) { return interventionRow()(b); }, rows);
                                  }),
           raw);
    report("rows",
           bench::bestFillSeconds(everyRow, Rows(),
                                  [&](Rows& rows) {
                                      collectRows(
                                          archive, [](std::string_view) { return true; },
                                          [](std::string_view b) { return interventionRow()(b); }, rows);
                                  }),
           raw);
    pending.clear();

    std::vector<GridRows> grids;
    report("grid-fill",
           bench::bestFillSeconds(
               grids, GridRows(interventionExport().columns.size() + 1),
               [&](GridRows& grid) { fillFromArchive(archive, interventionExport().columns, grid); }),
           raw);
    const GridRows grid = std::move(grids.back());
    grids.clear();

    bench::reportExportWrites("", folder / std::string(kInterventionsExportFile), interventionExport(), grid,
                              raw);

    const std::string lastRow = everyRow.back().back();
    report("recall", bestSeconds([&] {
               openMatchingRows(
                   archive, [](std::string_view b) { return interventionRow()(b); }, lastRow,
                   [&](std::uint64_t index, const Record&) { sink += index; });
           }),
           raw);

#ifdef CUSTOVIA_BENCH_WIDGETS
    {
        // the same wait over an archive of one card: the difference is what the archive's size
        // costs the user
        const double large = searchWindowWait(folder, QStringLiteral("ros"));
        report("search-window", large, raw);
        const auto small = folder / "una-scheda";
        std::filesystem::create_directories(small);
        bench::writeArchive(small / std::string(kInterventionsFile),
                            std::string_view(Archive(file, interventionLayout()).load(0).bytes()),
                            interventionLayout());
        const double one = searchWindowWait(small, QStringLiteral("ros"));
        report("search-window-1-card", one, raw);
        report("search-window-extra", large - one, raw);
    }
    {
        const Held before = memoryHeld();
        QListView view;
        RowListModel model;
        const double seconds = bestSeconds([&] {
            model.setRows(everyRow.back());
            view.setUniformItemSizes(true);
            view.setModel(&model);
            view.resize(1000, 600);
            view.show();
            view.scrollToBottom();
            QApplication::processEvents();
        });
        report("list-widget", seconds, raw);
        std::printf("mem: list-widget %.1f\n", megabytesAdded(before));
    }
    {
        const Held before = memoryHeld();
        QStringList headers{"N."}, names{"colNum"};
        for (const ExportColumn& c : interventionExport().columns) {
            headers << QString::fromStdString(c.gridHeader);
            names << QString::fromStdString(c.name);
        }
        QTableView view;
        GridModel model(headers, names, nullptr);
        const double seconds = bestSeconds([&] {
            model.setRows(grid);
            view.setModel(&model);
            view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            view.verticalHeader()->setDefaultSectionSize(21);
            view.resize(1000, 600);
            view.show();
            view.scrollToBottom();
            QApplication::processEvents();
        });
        report("grid-widget", seconds, raw);
        std::printf("mem: grid-widget %.1f\n", megabytesAdded(before));
    }
#endif
    gColdFiles.clear();
    return sink;
}

}  // namespace

// BENCH_ONLY=NAME runs one area's figures ("interventions", "clients", ...), for profiling;
// BENCH_GROWTH=onepass or appended the figures of one way of growing the archives.
int main(int argc, char** argv) {
    if (const char* r = std::getenv("BENCH_REPEATS")) gRepeats = std::max(1, std::atoi(r));
    if (const char* c = std::getenv("BENCH_CARDS")) gCards = std::size_t(std::max(1L, std::atol(c)));
    const char* only = std::getenv("BENCH_ONLY");
    keepFreedMemoryForReuse();  // as the program does at its start
    const auto chosen = [only](const char* name) { return !only || std::string(only) == name; };
#ifdef CUSTOVIA_BENCH_WIDGETS
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);
#else
    (void)argc;
    (void)argv;
#endif
    const auto folder = std::filesystem::temp_directory_path() / "custovia-bench";
    std::size_t sink = 0;
    // every figure on archives written in one pass, then on archives grown a card at a time
    // BENCH_GROWTH=onepass or appended takes one of them only
    const char* grown = std::getenv("BENCH_GROWTH");
    for (const bench::Growth growth : {bench::Growth::OnePass, bench::Growth::Appended}) {
        if (grown && std::string(grown) != (growth == bench::Growth::OnePass ? "onepass" : "appended"))
            continue;
        gGrowth = growth;
        std::filesystem::create_directories(folder);
        if (chosen("interventions")) sink += runInterventionBench(folder);
        // the other work areas' figures, each over files of its own
        for (const auto& [name, run] : areas()) {
            if (!chosen(name)) continue;
            const auto areaFolder = folder / name;
            std::filesystem::create_directories(areaFolder);
            run(areaFolder);
        }
        std::filesystem::remove_all(folder);
    }
    return sink == 42 ? 1 : 0;
}
