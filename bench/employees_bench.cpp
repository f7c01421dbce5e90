// The employee area's figures over a generated archive of 20,000 employees: the raw read of
// the file, the search with one and two filters, the list fill and the time from a recalled
// card to its photo on screen. Each is printed beside the raw read of the same file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/list_search.h"
#include "bench/bench_support.h"
#include "employees/employee_lists.h"
#include "employees/employee_photos.h"
#include "employees/employees.h"

#ifdef CUSTOVIA_BENCH_WIDGETS
#include <QApplication>
#include <QImage>
#include <QListView>

#include "archive/windows/RowListModel.h"
#include "employees/windows/EmployeePictures.h"
#include "employees/windows/PhotoFrame.h"
#endif

namespace {

using namespace custovia;

constexpr std::size_t kEmployees = 20000;

// Varied staff: accented names, several grades (some in capitals), long notes.
void generateEmployees(const std::filesystem::path& file) {
    const char* surnames[] = {"Rossi", "Bianchi",  "Esposito", "Colombo", "Ricci",   "Marino",
                              "Greco", "Bruno",    "Gallo",    "Conti",   "De Luca", "Mancini",
                              "Costa", "Giordano", "Fontana",  "Niccolò"};
    const char* names[] = {"Mario",  "Luca",   "Giulia",    "Anna",  "Marco",
                           "Chiara", "Andrea", "Francesca", "Nicolò"};
    const char* grades[] = {"Guardia giurata", "Sorvegliante", "GUARDIA SORVEGLIANTE",
                            "Autista",         "Capo turno",   "Operatore di centrale",
                            "Ispettore"};
    const char* departments[] = {"Notturno", "Diurno", "Portierato", "Trasporto valori",
                                 "Centrale operativa"};
    std::string bytes;
    bytes.reserve(kEmployees * employeeLayout().size());
    for (std::size_t i = 0; i < kEmployees; ++i) {
        Record r(employeeLayout());
        r.set("txtDipendente",
              std::string(surnames[i % 16]) + " " + names[(i / 16) % 9] + " " + std::to_string(i));
        r.set("txtSesso", i % 3 ? "M" : "F");
        r.set("txtDataNasc", std::to_string(1 + i % 28) + "/0" + std::to_string(1 + i % 9) + "/19" +
                                 std::to_string(60 + i % 40));
        r.set("txtCittadinanza", "Italiana");
        r.set("txtLuogoNasc", i % 5 ? "Forlì" : "Bologna");
        r.set("txtCel", "33" + std::to_string(10000000 + i * 7));
        r.set("txtQualifica", grades[i % 7]);
        r.set("txtReparto", departments[i % 5]);
        r.set("txtDisponibilita", i % 2 ? "Lun-Ven 22-6" : "Turni festivi e notturni");
        r.set("txtMansioni", "Pistola d'ordinanza, radio portatile, giubbotto antiproiettile, torcia");
        r.set("txtNote", std::string(i % 250, 'n'));
        bytes.append(r.bytes());
    }
    bench::writeArchive(file, bytes, employeeLayout());
}

std::vector<std::string> search(Archive& archive, const std::vector<SearchFilter>& filters) {
    return bench::searchRows(archive, filters, employeeRow());
}

void run(const std::filesystem::path& folder) {
    const auto file = folder / std::string(kEmployeesFile);
    generateEmployees(file);
    Archive archive(file, employeeLayout());
    std::size_t sink = 0;
    const double raw = bench::bestSeconds([&] { sink += bench::rawRead(file); });
    bench::report("employees-raw-read", raw, raw);
    bench::report("employees-search-1", bench::bestSearchSeconds([&] {
                      return search(archive, {{"txtQualifica", "sorv"}});
                  }),
                  raw);
    bench::report("employees-search-2", bench::bestSearchSeconds([&] {
                      return search(archive, {{"txtQualifica", "sorv"}, {"txtDipendente", "ross"}});
                  }),
                  raw);

#ifdef CUSTOVIA_BENCH_WIDGETS
    {
        QListView view;
        RowListModel model;
        view.setUniformItemSizes(true);
        view.setModel(&model);
        view.resize(1000, 600);
        view.show();
        bench::report("employees-list-fill", bench::bestSeconds([&] {
                          model.setRows(search(archive, {}));
                          view.scrollToBottom();
                          QApplication::processEvents();
                      }),
                      raw);
    }
    {
        // a 307 x 394 photo in its file, as the card stores it
        const auto photo = employeePhotoFile(folder, kEmployees);
        writeJpeg(photo, builtInPicture(QStringLiteral("guardia"), kPhotoFrameSize));
        PhotoFrame frame(QStringLiteral("imgFoto"), QStringLiteral("Foto"), nullptr);
        frame.setFixedSize(kPhotoFrameSize);
        frame.show();
        bench::report("employees-photo-show", bench::bestSeconds([&] {
                          frame.setPicture(readPicture(photo));
                          frame.repaint();
                      }),
                      raw);
    }
#else
    bench::report("employees-list-fill", bench::bestSearchSeconds([&] { return search(archive, {}); }), raw);
#endif
    if (sink == 42) std::remove(file.string().c_str());
}

}  // namespace

static const bool registered = custovia::bench::addArea("employees", &run);
