// The folder check: nothing in a clean folder, each kind of damage found in a damaged copy, and
// nothing written while it reads.
#include <gtest/gtest.h>

#include <functional>

#include "app/backup.h"
#include "app/command_line.h"
#include "app/folder_check.h"
#include "tests/app/folder_fixture.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

void changeCard(const fs::path& file, const RecordLayout& layout, std::uint64_t index, const char* field,
                const char* value) {
    Archive archive(file, layout);
    Record card = archive.load(index);
    card.set(field, value);
    archive.update(index, card);
}

void setByte(const fs::path& file, std::size_t at, char value) {
    std::string bytes = readBytes(file);
    bytes[at] = value;
    writeBytes(file, bytes);
}

// Each file's bytes and time, to show that the check wrote nothing.
std::map<std::string, std::pair<std::string, std::time_t>> snapshot(const fs::path& folder) {
    std::map<std::string, std::pair<std::string, std::time_t>> all;
    for (const auto& [name, bytes] : test::folderFiles(folder))
        all[name] = {bytes, lastWritten(folder / pathFromUtf8(name))};
    return all;
}

TEST(FolderCheck, FindsNothingInACleanFolder) {
    TempFolder folder;
    test::makeSampleFolder(folder.path());
    const FolderCheck check = checkFolder(folder.path());
    EXPECT_TRUE(check.clean()) << checkReportText(check);
    EXPECT_EQ(check.cards, 7u);
    EXPECT_EQ(checkReportText(check),
              "Nessun problema trovato (" + std::to_string(check.files) + " file e 7 schede controllati).\n");
}

TEST(FolderCheck, FindsEachKindOfDamageInItsFile) {
    const auto interventions = [](const fs::path& f) { return f / kInterventionsFile; };
    const struct {
        const char* what;
        std::function<void(const fs::path&)> damage;
        const char* file;
        std::string problem;
    } cases[] = {
        {"partial last card",
         [](const fs::path& f) { writeBytes(f / kClientsFile, readBytes(f / kClientsFile) + "xyz"); },
         "Contatti.pro", "l'ultima scheda è incompleta: 3 byte dopo la scheda 1 (schede di 3372 byte)"},
        {"length byte",
         [&](const fs::path& f) {
             setByte(interventions(f), interventionLayout().size() + interventionLayout().offset(13),
                     char(255));
         },
         "Archivio_Interventi.pro",
         "scheda 2: il campo txtNote dichiara 255 caratteri, oltre la sua capacità di 250"},
        {"flag",
         [](const fs::path& f) { changeCard(f / kClientsFile, clientLayout(), 0, "chkRicontatta", "Si"); },
         "Contatti.pro", "scheda 1: il campo chkRicontatta non vale né \"Sì\" né \"No\" (\"Si\")"},
        {"empty flag",
         [&](const fs::path& f) {
             changeCard(interventions(f), interventionLayout(), 1, "chkTerminato", "");
         },
         "Archivio_Interventi.pro", "scheda 2: il campo chkTerminato non vale né \"Sì\" né \"No\" (\"\")"},
        {"date",
         [](const fs::path& f) {
             changeCard(f / kAppointmentsFile, appointmentLayout(), 0, "txtData", "31/02/2024");
         },
         "Archivio_Appuntamenti.pro",
         "scheda 1: il campo txtData non contiene una data gg/mm/aaaa (\"31/02/2024\")"},
        {"no date",
         [](const fs::path& f) { changeCard(f / kContractsFile, contractLayout(), 0, "txtData", ""); },
         "Contratti.pro", "scheda 1: manca la data (campo txtData)"},
        {"missing attachment",
         [](const fs::path& f) { fs::remove(f / "Documenti_Allegati" / "verbale.pdf"); },
         "Archivio_Interventi.pro", "scheda 1: manca l'allegato \"verbale.pdf\" in Documenti_Allegati"},
        {"attachment outside",
         [](const fs::path& f) {
             changeCard(f / kEmployeesFile, employeeLayout(), 0, "lblFile02", "..\\..\\boot.ini");
         },
         "Archivio_Dipendenti.pro",
         "scheda 1: il nome di allegato \"..\\..\\boot.ini\" non è un semplice nome di file"},
        {"file no card names",
         [](const fs::path& f) { writeBytes(f / "Documenti_Allegati" / "vecchio.doc", "doc"); },
         "Documenti_Allegati", "vecchio.doc: nessuna scheda nomina questo file"},
        {"missing photo",
         [](const fs::path& f) {
             test::addCard(f / kEmployeesFile, employeeLayout(), {{"txtDipendente", "Verdi Sara"}});
         },
         "Archivio_Dipendenti.pro", "scheda 2: manca la foto \"Scheda_Dipendente_2.jpg\" in Anagrafica"},
        {"photo of no card",
         [](const fs::path& f) { writeBytes(f / "Anagrafica" / "Scheda_Dipendente_7.jpg", "JPEG"); },
         "Anagrafica",
         "Scheda_Dipendente_7.jpg: foto della scheda 7, che non esiste (l'archivio dei dipendenti ha 1 "
         "schede)"},
        {"settings not text",
         [](const fs::path& f) {
             writeBytes(f / "Contratti.ini", std::string("[Ditta]\r\nNome=\0\0\0", 17));
         },
         "Contratti.ini", "il file delle impostazioni contiene byte che non sono testo"},
        {"settings unreadable",
         [](const fs::path& f) {
             fs::remove(f / "Liberatoria_Privacy.ini");
             fs::create_directory(f / "Liberatoria_Privacy.ini");
         },
         "Liberatoria_Privacy.ini", "il file delle impostazioni non si può leggere"},
        {"settings line",
         [](const fs::path& f) { writeBytes(f / "Segnalazioni.ini", "[Segnalazioni]\r\nOperatore\r\n"); },
         "Segnalazioni.ini", "riga 2: non è né una sezione né una chiave"},
        {"password",
         [](const fs::path& f) { writeBytes(f / "unins000.dll", "[Accesso]\r\nValore=XYZ1\r\n"); },
         "unins000.dll", "la password memorizzata non si può leggere"},
        {"no password store", [](const fs::path& f) { fs::remove(f / "unins000.dll"); }, "unins000.dll",
         "manca il file della password: nessuno potrebbe accedere al programma"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        test::makeSampleFolder(folder.path());
        c.damage(folder.path());
        const auto before = snapshot(folder.path());
        const FolderCheck check = checkFolder(folder.path());
        ASSERT_EQ(check.findings.size(), 1u) << checkReportText(check);
        EXPECT_EQ(check.findings[0].file, c.file);
        EXPECT_EQ(check.findings[0].problem, c.problem);
        EXPECT_EQ(snapshot(folder.path()), before);  // read, never written
    }
}

TEST(FolderCheck, ListsAFewOfAKindAndCountsTheRestPerFile) {
    TempFolder folder;
    for (int i = 0; i < 30; ++i)
        test::addCard(folder.path() / kAppointmentsFile, appointmentLayout(),
                      {{"txtData", "ieri"}, {"chkOttemperata", "No"}});
    test::addCard(folder.path() / kContractsFile, contractLayout(), {{"txtData", "01/01/2024"}});
    writeBytes(folder.path() / kContractsFile, readBytes(folder.path() / kContractsFile) + "x");
    const FolderCheck check = checkFolder(folder.path());
    const std::string report = checkReportText(check);
    EXPECT_EQ(check.findings.size(), 20u + 1u + 1u + 1u) << report;  // and the missing password store
    EXPECT_NE(report.find("Archivio_Appuntamenti.pro\n  scheda 1: il campo txtData non contiene una data "
                          "gg/mm/aaaa (\"ieri\")\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("  scheda 20: il campo txtData"), std::string::npos);
    EXPECT_EQ(report.find("  scheda 21: il campo txtData"), std::string::npos);
    EXPECT_NE(
        report.find(
            "  ... e altri 10 casi dello stesso problema\nContratti.pro\n  l'ultima scheda è incompleta"),
        std::string::npos)
        << report;
    EXPECT_NE(report.find("Problemi trovati in 3 file"), std::string::npos) << report;
}

TEST(FolderCheck, ListsTheFirstCardsWhoseAttachmentsAreMissing) {
    TempFolder folder;
    for (int i = 1; i <= 25; ++i) {
        const std::string name = "verbale_" + std::to_string(i) + ".pdf";
        test::addCard(folder.path() / kInterventionsFile, interventionLayout(),
                      {{"txtData", "15/05/2024"}, {"chkTerminato", "No"}, {"lblFile01", name.c_str()}});
    }
    fs::create_directories(folder.path() / "Documenti_Allegati");
    writeBytes(folder.path() / "Documenti_Allegati" / "verbale_2.pdf", "%PDF");
    std::string listed;
    for (const CheckFinding& f : checkFolder(folder.path()).findings)
        if (f.file == kInterventionsFile) listed += f.problem.substr(0, f.problem.find(':')) + ",";
    std::string expected;
    for (int i = 1; i <= 21; ++i)
        if (i != 2) expected += "scheda " + std::to_string(i) + ",";
    EXPECT_EQ(listed, expected + "... e altri 4 casi dello stesso problema,");
}

TEST(FolderCheck, AnswersOnTheCommandLineWithItsExitStatus) {
    TempFolder folder;
    test::makeSampleFolder(folder.path());
    std::string out, err;
    const CommandStreams streams{[&](std::string_view t) { out += t; },
                                 [&](std::string_view t) { err += t; }};
    EXPECT_EQ(runCommand(parseCommandLine({"--check"}), folder.path(), streams), 0);
    EXPECT_EQ(out.rfind("Nessun problema trovato", 0), 0u) << out;

    out.clear();
    fs::remove(folder.path() / "Documenti_Allegati" / "verbale.pdf");
    EXPECT_EQ(runCommand(parseCommandLine({"--check"}), folder.path(), streams), 1);
    EXPECT_NE(out.find("manca l'allegato \"verbale.pdf\""), std::string::npos) << out;
    EXPECT_TRUE(err.empty()) << err;

    EXPECT_EQ(runCommand(parseCommandLine({"--check"}), folder.path() / "manca", streams), 2);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

}  // namespace
}  // namespace custovia
