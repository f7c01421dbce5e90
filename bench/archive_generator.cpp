#include "bench/archive_generator.h"
#include "bench/bench_support.h"

#include <array>
#include <fstream>
#include <random>
#include <string>

#include "archive/record.h"
#include "emergencies/interventions.h"

namespace custovia::bench {
namespace {

constexpr std::array kNames = {"Rossi Mario",    "Bianchi Lucia",  "Esposito Niccolò", "Romano Giulia",
                               "Colombo Andrea", "Ricci Chiara",   "Marino Luca",      "Greco Sofia",
                               "Bruno Federico", "Gallo Martina",  "Conti Alessandro", "De Luca Beatrice",
                               "Costa Mattia",   "Giordano Élise", "Mancini Gianluca", "Rizzo Ilaria"};
constexpr std::array kPlaces = {"Via Roma 12, Bologna",       "Piazza Maggiore 1, Bologna",
                                "Corso Italia 45, Forlì",     "Viale dei Mille 8, Cesena",
                                "Via Emilia Est 210, Modena", "Strada Statale 9, Imola",
                                "Via Università 3, Ferrara",  "Lungomare Nord 77, Rimini"};
constexpr std::array kProblems = {"Allarme intrusione scattato nel magazzino",
                                  "Finestra forzata al piano terra, necessaria verifica",
                                  "Cancello automatico bloccato, cliente chiuso all'esterno",
                                  "Guasto alla centrale d'allarme: sirena attiva da 20 minuti",
                                  "Segnalazione di persone sospette nel parcheggio",
                                  "Porta blindata danneggiata, serratura non più funzionante"};
constexpr std::array kVehicles = {"Fiat Panda 4x4 di servizio", "Fiat Doblò furgonato",
                                  "Dacia Duster pattuglia",     "Renault Kangoo",
                                  "Alfa Romeo Giulietta",       "Volkswagen Transporter"};
constexpr std::array kOperators = {"Centralino Nord", "Anna Neri", "Paolo Verdi", "Sara Fabbri"};

std::string digits(std::mt19937& random, int n) {
    std::string s = "3";
    while (int(s.size()) < n) s += char('0' + random() % 10);
    return s;
}

std::string plate(std::mt19937& random) {
    std::string s;
    for (int i = 0; i < 7; ++i)
        s += i == 2 || i == 3 || i == 4 ? char('0' + random() % 10) : char('A' + random() % 26);
    return s;
}

}  // namespace

void generateInterventions(const std::filesystem::path& file, std::size_t cards) {
    const RecordLayout& layout = interventionLayout();
    std::mt19937 random(20261210);
    std::string buffer;
    buffer.reserve(cards * layout.size());
    for (std::size_t i = 0; i < cards; ++i) {
        Record r(layout);
        const int day = 1 + int(random() % 28), month = 1 + int(random() % 12),
                  year = 2020 + int(random() % 6);
        char date[11];
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", day, month, year);
        const int hour = int(random() % 24), minute = int(random() % 60);
        char hh[3], mm[3], joined[6];
        std::snprintf(hh, sizeof hh, "%02d", hour);
        std::snprintf(mm, sizeof mm, "%02d", minute);
        std::snprintf(joined, sizeof joined, "%02d:%02d", hour, minute);
        r.set("txtData", date);
        r.set("txtOre", hh);
        r.set("txtMinuti", mm);
        r.set("lblOra", joined);
        r.set("txtOperatore", kOperators[random() % kOperators.size()]);
        r.set("txtUtente", std::string(kNames[random() % kNames.size()]) + " " + std::to_string(i % 997));
        r.set("txtCelUte", digits(random, 10));
        std::string problem = kProblems[random() % kProblems.size()];
        if (i % 10 == 0) {  // some notes and problems fill their whole capacity
            while (problem.size() < 300) problem += " - ulteriore dettaglio riferito dal cliente";
        }
        r.set("txtGuasto", problem);
        r.set("txtLuogo", kPlaces[random() % kPlaces.size()]);
        r.set("txtTipo", kVehicles[random() % kVehicles.size()]);
        r.set("txtTarga", plate(random));
        r.set("txtTecnico", kNames[random() % kNames.size()]);
        r.set("txtCelTec", digits(random, 10));
        r.set("txtNote", i % 3 == 0 ? std::string(250, 'n') : "Cliente già noto, chiavi in custodia");
        r.set("chkTerminato", random() % 4 == 0 ? "No" : "Sì");
        if (i % 7 == 0) {
            r.set("lblFile01", "verbale_" + std::to_string(i) + ".pdf");
            r.set("lblDesc01", "Verbale d'intervento firmato");
        }
        buffer += r.bytes();
    }
    writeArchive(file, buffer, layout);
}

}  // namespace custovia::bench
