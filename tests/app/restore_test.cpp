// Restoring a backup: the folder comes back byte for byte with the replaced files kept aside; a
// damaged or foreign backup replaces nothing; an older one only when confirmed; a failure
// half-way puts everything back.
#include <gtest/gtest.h>

#include "app/restore.h"
#include "tests/app/folder_fixture.h"
#include "tests/support/fake_zip.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;
using test::FakeZip;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

const DateTime kTaken{2024, 5, 15, 10, 7, 3};
const DateTime kNow{2024, 5, 20, 9, 30, 0};

// A folder, a backup of it, and the folder changed afterwards.
class RestoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::makeSampleFolder(folder.path());
        backup = folder.path() / "Backup" / "Custovia_2024-05-15_1007.zip";
        writeBackup(folder.path(), backup, kTaken, zip);
        original = test::backedUpFiles(folder.path());

        // the day after: a new card, a changed setting, a new client's services, an attachment gone
        test::addCard(folder.path() / kInterventionsFile, interventionLayout(), {{"txtUtente", "Verdi"}});
        writeBytes(folder.path() / "Segnalazioni.ini", "[Segnalazioni]\r\nOperatore=Luca\r\n");
        test::addCard(folder.path() / servicesFileName("2"), serviceLayout(), {{"txtImporto", "5,00"}});
        fs::remove(folder.path() / "Documenti_Allegati" / "patente.jpg");
        writeBytes(folder.path() / "Copie_Sicurezza.ini", "[Copie]\r\nConserva=5\r\n");
        // every file as it was when the backup was taken, so the backup is not the older one
        for (const FolderFile& f : backupContent(folder.path()))
            setLastWritten(f.path, lastWritten(backup) - 60);
        changed = test::backedUpFiles(folder.path());
    }

    RestoreOutcome restore(const ConfirmRestore& confirm = {}, const MoveEntry& move = {}) {
        return restoreBackup(folder.path(), backup, kNow, zip, confirm, platformFileOpener(), move);
    }

    std::string failure(const ConfirmRestore& confirm = {}, const MoveEntry& move = {}) {
        try {
            restore(confirm, move);
        } catch (const BackupError& e) {
            return e.what();
        }
        return "no failure";
    }

    std::vector<std::string> backupFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path() / "Backup"))
            names.push_back(pathToUtf8(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    FakeZip zip;
    fs::path backup;
    std::map<std::string, std::string> original, changed;
};

TEST_F(RestoreTest, BringsTheFolderBackAndKeepsWhatItReplacedAside) {
    const std::string outside = readBytes(folder.path() / "Clienti.xls");
    std::optional<RestoreDates> asked;
    const RestoreOutcome done = restore([&](const RestoreDates& dates) {
        asked = dates;
        return true;
    });
    EXPECT_TRUE(done.restored);
    EXPECT_EQ(done.files, original.size());
    EXPECT_TRUE(test::backedUpFiles(folder.path()) == original);
    ASSERT_TRUE(asked);
    EXPECT_FALSE(asked->older);
    EXPECT_EQ(dateTimeText(asked->backup), "15/05/2024 10:07");

    // every replaced file, in Backup/Sostituiti_ of the moment of the restore
    EXPECT_EQ(done.replaced, folder.path() / "Backup" / "Sostituiti_2024-05-20_0930");
    // (with the attachments folder whole, a crash's leftover in it included)
    EXPECT_TRUE(test::backedUpFiles(done.replaced) == changed);
    EXPECT_TRUE(fs::exists(done.replaced / "Documenti_Allegati" / "verbale.pdf.fedcba9876543210.tmp"));
    // the rest of the folder is left alone: exports, the program's own files, the backups' settings
    EXPECT_EQ(readBytes(folder.path() / "Clienti.xls"), outside);
    EXPECT_EQ(readBytes(folder.path() / "Copie_Sicurezza.ini"), "[Copie]\r\nConserva=5\r\n");
    EXPECT_EQ(backupFolder(),
              (std::vector<std::string>{"Custovia_2024-05-15_1007.zip", "Sostituiti_2024-05-20_0930"}));
    // each file keeps the time it had when the backup was taken
    const auto reader = zip.open(backup);
    for (const ZipEntry& entry : reader->entries())
        EXPECT_EQ(lastWritten(folder.path() / pathFromUtf8(entry.name)), entry.modified) << entry.name;

    // a second restore in the same minute keeps its replaced files apart
    const RestoreOutcome again = restore();
    EXPECT_EQ(again.replaced, folder.path() / "Backup" / "Sostituiti_2024-05-20_0930_2");
    EXPECT_TRUE(test::backedUpFiles(again.replaced) == original);
}

TEST_F(RestoreTest, ADamagedOrForeignBackupReplacesNothing) {
    const auto damagedByte = [](const fs::path& file) {
        std::string bytes = readBytes(file);
        const std::size_t at = bytes.find("Rossi Niccol");
        bytes[at] = 'X';
        writeBytes(file, bytes);
    };
    const auto made = [](std::vector<std::pair<std::string, std::string>> entries) {
        return [entries](const fs::path& file) {
            FakeZip zip;
            const auto writer = zip.writer();
            for (const auto& [name, bytes] : entries)
                writer->add(name, [b = bytes] { return EntryBytes{b, 0}; });
            fs::remove(file);
            writer->write(file);
        };
    };
    const struct {
        const char* what;
        std::function<void(const fs::path&)> spoil;
        std::string reason;
    } cases[] = {
        {"a changed byte", damagedByte,
         "la copia Custovia_2024-05-15_1007.zip è danneggiata: Contatti.pro: i dati non corrispondono al "
         "loro codice "
         "di controllo"},
        {"not a zip", [](const fs::path& f) { writeBytes(f, "not a zip"); },
         "non è leggibile: non è un file zip"},
        {"a partial card", made({{"Contatti.pro", std::string(3372 + 10, 'c')}}),
         "la copia Custovia_2024-05-15_1007.zip è danneggiata: l'archivio Contatti.pro non contiene un "
         "numero intero "
         "di schede"},
        {"a program", made({{"Contatti.pro", ""}, {"custovia.exe", "MZ"}}),
         "contiene un file estraneo ai dati del programma: custovia.exe"},
        {"a way out", made({{"Documenti_Allegati/../../evil.ini", "x"}}),
         "contiene un file estraneo ai dati del programma: Documenti_Allegati/../../evil.ini"},
        {"twice", made({{"Logo.bmp", "a"}, {"Logo.bmp", "b"}}), "contiene due volte il file Logo.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.spoil(backup);
        const std::string reason = failure([](const RestoreDates&) {
            ADD_FAILURE() << "asked about a backup that cannot be restored";
            return true;
        });
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        EXPECT_TRUE(test::backedUpFiles(folder.path()) == changed);
        EXPECT_EQ(backupFolder(),
                  std::vector<std::string>{"Custovia_2024-05-15_1007.zip"});  // nothing left behind
    }
}

TEST_F(RestoreTest, AnOlderBackupIsRestoredOnlyWhenConfirmedWithBothDates) {
    const std::time_t later = lastWritten(backup) + 86400;
    setLastWritten(folder.path() / kInterventionsFile, later);
    RestoreDates asked;
    const RestoreOutcome declined = restore([&](const RestoreDates& dates) {
        asked = dates;
        return false;
    });
    EXPECT_FALSE(declined.restored);
    EXPECT_TRUE(test::backedUpFiles(folder.path()) == changed);
    EXPECT_EQ(backupFolder(), std::vector<std::string>{"Custovia_2024-05-15_1007.zip"});
    EXPECT_TRUE(asked.older);
    ASSERT_TRUE(asked.newestCard);
    EXPECT_EQ(dateTimeText(*asked.newestCard), dateTimeText(localDateTime(later)));
    // both to the second, so that a backup and a card of the same minute still tell apart
    const std::string question = restoreQuestion(asked);
    const std::string newest = formatDate(*asked.newestCard) + " " + formatLongTime(*asked.newestCard);
    EXPECT_NE(question.find("è del 15/05/2024 10:07:03"), std::string::npos) << question;
    EXPECT_NE(question.find("salvata il " + newest), std::string::npos) << question;
    EXPECT_EQ(olderBackupRefusal(asked),
              "la copia è del 15/05/2024 10:07:03, più vecchia della scheda più recente "
              "degli archivi (" +
                  newest + "): per ripristinarla comunque aggiungere --force");

    EXPECT_TRUE(restore([](const RestoreDates& dates) { return dates.older; }).restored);
    EXPECT_TRUE(test::backedUpFiles(folder.path()) == original);
}

TEST_F(RestoreTest, AFailureHalfWayPutsEverythingBack) {
    int moves = 0;
    const auto failingFifth = [&](const fs::path& from, const fs::path& to) {
        if (++moves == 5)
            throw fs::filesystem_error("disk", from, to, std::make_error_code(std::errc::io_error));
        fs::rename(from, to);
    };
    const std::string reason = failure({}, failingFifth);
    EXPECT_EQ(
        reason.rfind("ripristino non riuscito, la cartella è rimasta com'era: impossibile spostare ", 0), 0u)
        << reason;
    EXPECT_TRUE(test::backedUpFiles(folder.path()) == changed);
    EXPECT_EQ(backupFolder(), std::vector<std::string>{"Custovia_2024-05-15_1007.zip"});
}

TEST_F(RestoreTest, WhenEvenPuttingBackFailsNothingIsLostAndTheReasonSaysWhere) {
    int moves = 0;
    const auto failingFromTheFifth = [&](const fs::path& from, const fs::path& to) {
        if (++moves >= 5)
            throw fs::filesystem_error("disk", from, to, std::make_error_code(std::errc::io_error));
        fs::rename(from, to);
    };
    const std::string reason = failure({}, failingFromTheFifth);
    const fs::path aside = folder.path() / "Backup" / "Sostituiti_2024-05-20_0930";
    EXPECT_NE(reason.find("sono in " + pathToUtf8(aside)), std::string::npos) << reason;
    // each file the folder had is in the folder or kept aside, unchanged
    const auto now = test::backedUpFiles(folder.path());
    const auto kept = test::backedUpFiles(aside);
    for (const auto& [name, bytes] : changed) {
        const bool here = now.count(name) && now.at(name) == bytes;
        const bool there = kept.count(name) && kept.at(name) == bytes;
        EXPECT_TRUE(here || there) << name;
    }
}

}  // namespace
}  // namespace custovia
