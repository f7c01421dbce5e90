// Backups: what goes in, a copy that is never torn or half-made, the automatic daily backup and
// its rotation, the settings, and the zip library itself where this build has one.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/backup.h"
#include "archive/file_replace.h"
#include "archive/ini_file.h"
#include "tests/app/folder_fixture.h"
#include "tests/support/fake_zip.h"
#include "tests/support/workers.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;
using test::FakeZip;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

const DateTime kNow{2024, 5, 15, 10, 7, 3};

// The entries of a backup with their bytes, read back through the same zip.
std::map<std::string, std::string> zipContent(ZipFormat& zip, const fs::path& file) {
    std::map<std::string, std::string> content;
    const auto reader = zip.open(file);
    for (std::size_t i = 0; i < reader->entries().size(); ++i) {
        std::string& bytes = content[reader->entries()[i].name];
        reader->read(i, [&](std::string_view piece) { bytes += piece; });
    }
    return content;
}

// The names whose bytes differ between two sets of files (a long archive is not printed whole).
std::vector<std::string> differing(const std::map<std::string, std::string>& a,
                                   const std::map<std::string, std::string>& b) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : a)
        if (!b.count(name) || b.at(name) != bytes) names.push_back(name);
    for (const auto& [name, bytes] : b)
        if (!a.count(name)) names.push_back(name);
    return names;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    if (fs::exists(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(pathToUtf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

TEST(BackupContent, HoldsWhatTheProgramKeepsAndNothingElse) {
    TempFolder folder;
    test::makeSampleFolder(folder.path());
    writeBytes(folder.path() / "Copie_Sicurezza.ini", "[Copie]\r\nConserva=3\r\n");
    fs::create_directories(folder.path() / "Backup");
    writeBytes(folder.path() / "Backup" / "Custovia_2024-05-14_0900.zip", "an older backup");
    fs::create_directories(folder.path() / "Documenti_Allegati" / "Pratiche 2024");
    writeBytes(folder.path() / "Documenti_Allegati" / "Pratiche 2024" / "nota.txt", "in a sub-folder too");

    std::vector<std::string> names;
    for (const FolderFile& f : backupContent(folder.path())) {
        names.push_back(f.name);
        EXPECT_EQ(f.layout != nullptr, f.name.size() > 4 && f.name.substr(f.name.size() - 4) == ".pro")
            << f.name;
    }
    const std::vector<std::string> expected{"Anagrafica/Scheda_Dipendente_1.jpg",
                                            "Archivio_Appuntamenti.pro",
                                            "Archivio_Dipendenti.pro",
                                            "Archivio_Interventi.pro",
                                            "Contatti.pro",
                                            "Contratti.ini",
                                            "Contratti.pro",
                                            "Documenti_Allegati/Pratiche 2024/nota.txt",
                                            "Documenti_Allegati/contratto firmato.pdf",
                                            "Documenti_Allegati/patente.jpg",
                                            "Documenti_Allegati/verbale.pdf",
                                            "Liberatoria_Privacy.ini",
                                            "Logo.bmp",
                                            "Modulo_Privacy.rtf",
                                            "Segnalazioni.ini",
                                            "Servizi_Cliente_1.pro",
                                            "unins000.dll"};
    EXPECT_EQ(names, expected);
}

TEST(BackupContent, OnlyNamesInsideTheFolderAreBackupNames) {
    const struct {
        const char* name;
        bool belongs;
    } cases[] = {
        {"Contatti.pro", true},
        {"CONTATTI.PRO", true},  // Windows does not tell the case apart
        {"Servizi_Cliente_12.pro", true},
        {"Servizi_Cliente_1a.pro", false},
        {"Nuovo.ini", true},
        {"Copie_Sicurezza.ini", false},
        {"unins000.dll", true},
        {"custovia.exe", false},
        {"Documenti_Allegati/Fattura è.pdf", true},
        {"Anagrafica/Scheda_Dipendente_3.jpg", true},
        {"Documenti_Allegati/../Contatti.pro", false},
        {"../Contatti.pro", false},
        {"/etc/passwd", false},
        {"Documenti_Allegati/", false},
        {"Documenti_Allegati\\..\\x", false},
        {"C:/Contatti.pro", false},
        {"Anagrafica/C:x.jpg", false},
        {"Backup/Custovia_2024-05-15_1007.zip", false},
        {"Documenti_Allegati/a.pdf.0123456789abcdef.tmp", false},
    };
    for (const auto& c : cases) EXPECT_EQ(belongsInBackup(c.name), c.belongs) << c.name;
}

TEST(Backup, HoldsEveryFileByteForByteWithItsTimeAndWholeCardsOnly) {
    TempFolder folder;
    test::makeSampleFolder(folder.path());
    const fs::path interventions = folder.path() / kInterventionsFile;
    const std::string whole = readBytes(interventions);
    // a card cut short by a crash is neither counted nor copied
    writeBytes(interventions, whole + std::string(100, 'x'));
    setLastWritten(interventions, 1700000000);

    FakeZip zip;
    const fs::path file = folder.path() / "Backup" / "copia.zip";
    const BackupSummary done = writeBackup(folder.path(), file, kNow, zip);
    EXPECT_EQ(done.file, file);
    std::map<std::string, std::string> expected = test::backedUpFiles(folder.path());
    expected[std::string(kInterventionsFile)] = whole;
    EXPECT_EQ(differing(zipContent(zip, file), expected), std::vector<std::string>{});
    EXPECT_EQ(done.files, expected.size());

    const auto reader = zip.open(file);
    DateTime taken;
    ASSERT_TRUE(readBackupComment(reader->comment(), taken));
    EXPECT_EQ(dateTimeText(taken), "15/05/2024 10:07");
    for (const ZipEntry& entry : reader->entries())
        if (entry.name == kInterventionsFile) {
            EXPECT_EQ(entry.modified, 1700000000);
        }
    EXPECT_EQ(namesIn(folder.path() / "Backup"), std::vector<std::string>{"copia.zip"});  // no temporary left

    const BackupInfo info = describeBackup(file, zip);
    EXPECT_EQ(cardsText(info),
              "Interventi 2, Clienti 1, Servizi 1, Dipendenti 1, Appuntamenti 1, Contratti 1");
    EXPECT_EQ(info.bytes, fs::file_size(file));
}

// The platform's files, telling what is done to the files they open, and changing an archive's
// first card in place after each whole read, as another workstation's Save would.
class WatchedFiles final : public FileOpener {
public:
    std::vector<std::string> events;
    int changesLeft = 0;

    std::unique_ptr<BlockFile> openOrCreate(const fs::path& p) override {
        return watch(platformFileOpener().openOrCreate(p), p);
    }
    std::unique_ptr<BlockFile> openExisting(const fs::path& p) override {
        return watch(platformFileOpener().openExisting(p), p);
    }
    std::unique_ptr<BlockFile> openForReading(const fs::path& p) override {
        return watch(platformFileOpener().openForReading(p), p);
    }

private:
    class File final : public BlockFile {
    public:
        File(std::unique_ptr<BlockFile> real, fs::path path, WatchedFiles& owner)
            : real_(std::move(real)), path_(std::move(path)), owner_(owner) {}
        std::uint64_t size() override { return real_->size(); }
        void readAt(std::uint64_t o, char* d, std::size_t n) override {
            owner_.events.push_back("read");
            real_->readAt(o, d, n);
            if (owner_.changesLeft > 0 && path_.extension() == ".pro") {
                --owner_.changesLeft;
                Archive archive(path_, interventionLayout(), platformFileOpener());
                Record card = archive.load(0);
                card.set("txtUtente", "cambiato " + std::to_string(owner_.changesLeft));
                archive.update(0, card);
            }
        }
        std::size_t readSomeAt(std::uint64_t o, char* d, std::size_t n) override {
            owner_.events.push_back("read");
            return real_->readSomeAt(o, d, n);
        }
        void writeAt(std::uint64_t o, const char* d, std::size_t n) override { real_->writeAt(o, d, n); }
        void lockExclusive() override {
            owner_.events.push_back("lock");
            real_->lockExclusive();
        }
        void unlock() override {
            owner_.events.push_back("unlock");
            real_->unlock();
        }
        void close() override {
            owner_.events.push_back("close");
            real_->close();
        }

    private:
        std::unique_ptr<BlockFile> real_;
        fs::path path_;
        WatchedFiles& owner_;
    };
    std::unique_ptr<BlockFile> watch(std::unique_ptr<BlockFile> real, const fs::path& p) {
        return real ? std::make_unique<File>(std::move(real), p, *this) : nullptr;
    }
};

TEST(Backup, AnArchiveIsReadUnderTheAppendLockAndReadAgainWhileItChanges) {
    TempFolder folder;
    test::addCard(folder.path() / kInterventionsFile, interventionLayout(), {{"txtUtente", "Rossi"}});
    test::addCard(folder.path() / kInterventionsFile, interventionLayout(), {{"txtUtente", "Neri"}});
    const FolderFile archive{std::string(kInterventionsFile), folder.path() / kInterventionsFile,
                             &interventionLayout()};

    WatchedFiles files;
    files.changesLeft = 2;  // two Saves land while the copy is made, then the card stays
    const EntryBytes copy = steadyCopy(archive, files);
    EXPECT_EQ(copy.bytes, readBytes(archive.path));
    EXPECT_EQ(Record(interventionLayout(), copy.bytes).get("txtUtente"), "cambiato 0");
    // every read between taking the append lock and giving it up
    ASSERT_GE(files.events.size(), 4u);
    EXPECT_EQ(files.events.front(), "lock");
    EXPECT_EQ(files.events[files.events.size() - 2], "unlock");
    EXPECT_EQ(files.events.back(), "close");
    EXPECT_EQ(std::count(files.events.begin(), files.events.end(), "lock"), 1);
}

TEST(Backup, AFileThatKeepsChangingFailsTheBackupAndLeavesNothing) {
    TempFolder folder;
    test::addCard(folder.path() / kInterventionsFile, interventionLayout(), {{"txtUtente", "Rossi"}});
    const fs::path file = folder.path() / "Backup" / "copia.zip";
    fs::create_directories(file.parent_path());
    writeBytes(file, "yesterday's backup");

    WatchedFiles files;
    files.changesLeft = 1000;
    FakeZip zip;
    try {
        writeBackup(folder.path(), file, kNow, zip, files);
        ADD_FAILURE() << "a copy of a changing file was taken";
    } catch (const BackupError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "il file Archivio_Interventi.pro cambiava a ogni lettura (un'altra postazione lo stava "
                  "scrivendo)");
    }
    EXPECT_EQ(readBytes(file), "yesterday's backup");
    EXPECT_EQ(namesIn(file.parent_path()), std::vector<std::string>{"copia.zip"});
}

TEST(Backup, AWriteThatFailsLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    test::makeSampleFolder(folder.path());
    const fs::path file = folder.path() / "Backup" / "copia.zip";
    fs::create_directories(file.parent_path());
    writeBytes(file, "yesterday's backup");
    FakeZip zip;
    zip.failAfterEntries = 3;
    EXPECT_THROW(writeBackup(folder.path(), file, kNow, zip), BackupError);
    EXPECT_EQ(readBytes(file), "yesterday's backup");
    EXPECT_EQ(namesIn(file.parent_path()), std::vector<std::string>{"copia.zip"});
}

TEST(Backup, TakenWhileAnotherProcessAppendsHoldsOnlyWholeCards) {
    TempFolder folder;
    const fs::path archive = folder.path() / kInterventionsFile;
    test::addCard(archive, interventionLayout(), {{"txtUtente", "first"}});
    std::atomic<bool> appending{true};
    int status = -1;
    std::thread writer([&] {
        status = test::runWorkerProcess("append-interventions", {archive.string(), "1000"});
        appending = false;
    });
    FakeZip zip;
    int backups = 0;
    // every card of every backup whole: its serial number the same in three fields far apart
    const auto wholeCards = [&] {
        const fs::path file = folder.path() / "Backup" / ("copia" + std::to_string(backups++) + ".zip");
        writeBackup(folder.path(), file, kNow, zip);
        const std::string bytes = zipContent(zip, file).at(std::string(kInterventionsFile));
        const std::size_t size = interventionLayout().size();
        EXPECT_EQ(bytes.size() % size, 0u);
        for (std::size_t at = size; at + size <= bytes.size(); at += size) {
            const Record card(interventionLayout(), std::string_view(bytes).substr(at, size));
            const std::string serial = card.get("txtUtente");
            if (card.get("txtGuasto") != std::string(240, 'g') + serial ||
                card.get("lblDesc03") != std::string(240, 'd') + serial)
                ADD_FAILURE() << "card " << at / size << " of backup " << backups << " is torn";
        }
        return bytes.size() / size;
    };
    std::string failure;
    try {
        while (appending) wholeCards();
    } catch (const std::exception& e) {
        failure = e.what();
    }
    writer.join();
    ASSERT_EQ(failure, "");
    EXPECT_EQ(status, 0);
    EXPECT_GT(backups, 1);
    EXPECT_EQ(wholeCards(), 1001u);  // once the other process is done, every card
}

TEST(BackupRotation, KeepsTheNewestOwnBackupsAndTouchesNothingElse) {
    TempFolder folder;
    std::vector<std::string> own;
    for (int day = 1; day <= 20; ++day) {
        own.push_back(automaticBackupName({2024, 5, day, 8, 30, 0}));
        writeBytes(folder.path() / own.back(), "zip");
    }
    for (const char* other : {"Custovia_2024-05-01_0830.zip.0123456789abcdef.tmp", "mia copia.zip",
                              "Custovia_2024-05-01.zip", "Custovia_2023-01-01_0000.ZIP"})
        writeBytes(folder.path() / other, "kept");
    fs::create_directories(folder.path() / "Sostituiti_2024-05-01_0900");

    const std::vector<std::string> removed = keepNewestBackups(folder.path(), 14);
    EXPECT_EQ(removed, std::vector<std::string>(own.rbegin() + 14, own.rend()));
    const std::vector<std::string> left = namesIn(folder.path());
    EXPECT_EQ(left.size(), 14u + 5u);
    EXPECT_TRUE(std::count(left.begin(), left.end(), own.back()));
    EXPECT_FALSE(std::count(left.begin(), left.end(), own.front()));
    EXPECT_EQ(keepNewestBackups(folder.path(), 0).size(), 13u);  // at least one always stays
    EXPECT_TRUE(isAutomaticBackupName("Custovia_2024-05-15_1007.zip"));
    EXPECT_EQ(automaticBackupName(kNow), "Custovia_2024-05-15_1007.zip");
}

TEST(AutomaticBackup, RunsAtTheDaysFirstStartIntoItsFolderAndNotesTheDay) {
    TempFolder folder;
    test::makeSampleFolder(folder.path());
    FakeZip zip;
    const AutomaticBackup first = runAutomaticBackup(folder.path(), kNow, zip);
    EXPECT_EQ(first.kind, AutomaticBackup::Written);
    EXPECT_EQ(first.file, folder.path() / "Backup" / "Custovia_2024-05-15_1007.zip");
    EXPECT_TRUE(fs::exists(first.file));
    EXPECT_EQ(readBackupSettings(folder.path()).lastAutomatic, "2024-05-15");

    // later that day: nothing; the next day: another one
    EXPECT_EQ(runAutomaticBackup(folder.path(), {2024, 5, 15, 18, 0, 0}, zip).kind, AutomaticBackup::NotDue);
    EXPECT_EQ(runAutomaticBackup(folder.path(), {2024, 5, 16, 8, 0, 0}, zip).kind, AutomaticBackup::Written);
    EXPECT_EQ(namesIn(folder.path() / "Backup"),
              (std::vector<std::string>{"Custovia_2024-05-15_1007.zip", "Custovia_2024-05-16_0800.zip"}));

    // a folder of the user's choice, keeping two
    TempFolder elsewhere;
    BackupSettings settings = readBackupSettings(folder.path());
    settings.folder = pathToUtf8(elsewhere.path() / pathFromUtf8("Copie è"));
    settings.keep = 2;
    writeBackupSettings(folder.path(), settings);
    for (int day = 17; day <= 19; ++day)
        EXPECT_EQ(runAutomaticBackup(folder.path(), {2024, 5, day, 8, 0, 0}, zip).kind,
                  AutomaticBackup::Written);
    EXPECT_EQ(namesIn(elsewhere.path() / pathFromUtf8("Copie è")),
              (std::vector<std::string>{"Custovia_2024-05-18_0800.zip", "Custovia_2024-05-19_0800.zip"}));
}

TEST(AutomaticBackup, AFailureIsReportedAndTriedAgainAtTheNextStart) {
    TempFolder folder;
    test::makeSampleFolder(folder.path());
    writeBytes(folder.path() / "Backup", "a file where the backups' folder should be");
    FakeZip zip;
    const AutomaticBackup failed = runAutomaticBackup(folder.path(), kNow, zip);
    EXPECT_EQ(failed.kind, AutomaticBackup::Failed);
    EXPECT_NE(failed.reason.find("Backup"), std::string::npos) << failed.reason;
    EXPECT_EQ(readBackupSettings(folder.path()).lastAutomatic, "");

    fs::remove(folder.path() / "Backup");
    EXPECT_EQ(runAutomaticBackup(folder.path(), {2024, 5, 15, 11, 0, 0}, zip).kind, AutomaticBackup::Written);

    // a folder with nothing of the program's yet has nothing to keep
    TempFolder empty;
    EXPECT_EQ(runAutomaticBackup(empty.path(), kNow, zip).kind, AutomaticBackup::NotDue);
    EXPECT_FALSE(fs::exists(empty.path() / "Backup"));
}

TEST(BackupSettings, AreWrittenWholeKeepingOtherLinesAndReadBackLeniently) {
    TempFolder folder;
    const fs::path file = folder.path() / "Copie_Sicurezza.ini";
    EXPECT_EQ(readBackupSettings(folder.path()).keep, 14);
    EXPECT_EQ(backupFolder(folder.path(), {}), folder.path() / "Backup");
    writeBytes(file, "; scritto a mano\r\n[Copie]\r\nConserva=abc\r\n[Altro]\r\nChiave=1\r\n");
    EXPECT_EQ(readBackupSettings(folder.path()).keep, 14);

    writeBackupSettings(folder.path(), {"D:\\Copie", 7, "2024-05-15"});
    EXPECT_EQ(
        readBytes(file),
        "; scritto a mano\r\n[Copie]\r\nConserva=7\r\nCartella=D:\\Copie\r\nUltimaAutomatica=2024-05-15\r\n"
        "[Altro]\r\nChiave=1\r\n");
    const BackupSettings read = readBackupSettings(folder.path());
    EXPECT_EQ(read.folder, "D:\\Copie");
    EXPECT_EQ(read.keep, 7);
    EXPECT_EQ(read.lastAutomatic, "2024-05-15");

    const struct {
        const char* typed;
        int kept;
    } counts[] = {{"7", 7}, {" 30 ", 30}, {"999", 999}, {"0", 14},
                  {"", 14}, {"1000", 14}, {"-3", 14},   {"x", 14}};
    for (const auto& c : counts) EXPECT_EQ(keptCount(c.typed), c.kept) << c.typed;
}

TEST(BackupTexts, SizesAndDatesForPeople) {
    EXPECT_EQ(sizeText(850), "850 byte");
    EXPECT_EQ(sizeText(12700), "12,4 KB");
    EXPECT_EQ(sizeText(1258291), "1,20 MB");
    EXPECT_EQ(dateTimeText(kNow), "15/05/2024 10:07");
    DateTime read;
    EXPECT_TRUE(readBackupComment(backupComment(kNow), read));
    EXPECT_EQ(read.second, 3);
    EXPECT_FALSE(readBackupComment("un commento qualsiasi", read));
}

// The zip library of this build, where there is one: what it writes the system's unzip accepts,
// and a damaged byte is found when the entry is read.
TEST(SystemZip, WritesZipsThatUnzipAcceptsAndFindsDamage) {
    if (!systemZip().available()) GTEST_SKIP() << "this build has no zip library";
    TempFolder folder;
    test::makeSampleFolder(folder.path());
    writeBytes(folder.path() / "Documenti_Allegati" / "Fattura è.pdf", std::string(200000, 'f'));
    const fs::path file = folder.path() / "Backup" / "copia.zip";
    writeBackup(folder.path(), file, kNow, systemZip());
    EXPECT_EQ(differing(zipContent(systemZip(), file), test::backedUpFiles(folder.path())),
              std::vector<std::string>{});
#ifndef _WIN32
    EXPECT_EQ(std::system(("unzip -tqq '" + file.string() + "' >/dev/null").c_str()), 0);
#endif
    // every entry's time as the file's own, to the two seconds a zip keeps
    const auto reader = systemZip().open(file);
    for (const ZipEntry& entry : reader->entries())
        EXPECT_LE(std::abs(entry.modified - lastWritten(folder.path() / pathFromUtf8(entry.name))), 2)
            << entry.name;

    // a byte of the compressed data changed: the entry no longer reads
    std::string bytes = readBytes(file);
    const std::size_t at = bytes.find("Fattura");
    ASSERT_NE(at, std::string::npos);
    bytes[at + 60] = char(bytes[at + 60] ^ 0x55);
    writeBytes(file, bytes);
    const auto damaged = systemZip().open(file);
    bool found = false;
    for (std::size_t i = 0; i < damaged->entries().size(); ++i) {
        if (damaged->entries()[i].name != "Documenti_Allegati/Fattura è.pdf") continue;
        EXPECT_THROW(damaged->read(i, [](std::string_view) {}), ZipError);
        found = true;
    }
    EXPECT_TRUE(found);
}

TEST(SystemZip, AContentThatFailsLeavesNoFile) {
    if (!systemZip().available()) GTEST_SKIP() << "this build has no zip library";
    TempFolder folder;
    const auto writer = systemZip().writer();
    writer->add("a.txt", [] { return EntryBytes{"a", 0}; });
    writer->add("b.txt", []() -> EntryBytes { throw BackupError("il file b.txt cambiava"); });
    EXPECT_THROW(writer->write(folder.path() / "x.zip"), BackupError);
    EXPECT_TRUE(namesIn(folder.path()).empty());
}

}  // namespace
}  // namespace custovia
