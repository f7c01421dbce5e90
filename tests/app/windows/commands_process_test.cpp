// The backup, restore and check commands run as a script runs them: the real program in a
// process of its own, from a shell with no display (the toolkit would fail to start there).
#include <gtest/gtest.h>

#include <QProcess>
#include <atomic>
#include <thread>

#include "app/backup.h"
#include "tests/app/folder_fixture.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

struct Outcome {
    int status = -1;
    std::string out, err;
};

Outcome run(const QString& program, const QStringList& args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", "");
    environment.insert("WAYLAND_DISPLAY", "");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(environment);
    process.start(program, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        ADD_FAILURE() << program.toStdString() << " did not end";
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

Outcome custovia(const fs::path& folder, QStringList args) {
    args.prepend(QString::fromStdString(pathToUtf8(folder)));
    args.prepend("--folder");
    return run(CUSTOVIA_PROGRAM, args);
}

QString qt(const fs::path& path) { return QString::fromStdString(pathToUtf8(path)); }

bool oneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && std::count(text.begin(), text.end(), '\n') == 1;
}

TEST(CommandProcess, BackupRestoreAndCheckWithoutADisplay) {
    TempFolder folder, copies;
    test::makeSampleFolder(folder.path());
    const auto original = test::backedUpFiles(folder.path());
    const fs::path zip = copies.path() / "lunedì.zip";

    const Outcome backup = custovia(folder.path(), {"--backup", qt(zip)});
    EXPECT_EQ(backup.status, 0) << backup.err;
    EXPECT_TRUE(oneLine(backup.out)) << backup.out;
    EXPECT_EQ(backup.out.rfind("Copia di sicurezza scritta in " + pathToUtf8(zip) + " (" +
                                   std::to_string(original.size()) + " file, ",
                               0),
              0u)
        << backup.out;
    EXPECT_EQ(backup.err, "");
    // the system's unzip finds every entry whole, and the archives are the folder's, byte for byte
    EXPECT_EQ(run("unzip", {"-tqq", qt(zip)}).status, 0);
    for (const char* archive : {"Archivio_Interventi.pro", "Contatti.pro", "Servizi_Cliente_1.pro"}) {
        const Outcome extracted = run("unzip", {"-p", qt(zip), archive});
        EXPECT_TRUE(extracted.out == readBytes(folder.path() / archive)) << archive;
    }

    const Outcome clean = custovia(folder.path(), {"--check"});
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out.rfind("Nessun problema trovato", 0), 0u);

    // work goes on after the backup: restoring it would drop a card, so only --force does
    test::addCard(folder.path() / kInterventionsFile, interventionLayout(), {{"txtUtente", "Verdi"}});
    setLastWritten(folder.path() / kInterventionsFile, lastWritten(zip) + 3600);
    const Outcome refused = custovia(folder.path(), {"--restore", qt(zip)});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(oneLine(refused.err)) << refused.err;
    EXPECT_NE(refused.err.find("più vecchia della scheda più recente degli archivi ("), std::string::npos);
    const DateTime newest = localDateTime(lastWritten(folder.path() / kInterventionsFile));
    EXPECT_NE(refused.err.find(formatDate(newest) + " " + formatLongTime(newest)), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("--force"), std::string::npos);
    EXPECT_TRUE(!fs::exists(folder.path() / "Backup") || fs::is_empty(folder.path() / "Backup"));

    const Outcome forced = custovia(folder.path(), {"--restore", qt(zip), "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_TRUE(oneLine(forced.out)) << forced.out;
    EXPECT_TRUE(test::backedUpFiles(folder.path()) == original);
    const std::size_t kept = forced.out.find("; i file sostituiti sono in ");
    ASSERT_NE(kept, std::string::npos) << forced.out;
    const fs::path aside = pathFromUtf8(forced.out.substr(kept + 28, forced.out.size() - kept - 29));
    EXPECT_EQ(Archive(aside / kInterventionsFile, interventionLayout()).count(), 3u);

    // damage: the check lists it and fails, a damaged zip is refused with one line
    fs::remove(folder.path() / "Documenti_Allegati" / "verbale.pdf");
    const Outcome damaged = custovia(folder.path(), {"--check"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.out.find("manca l'allegato \"verbale.pdf\""), std::string::npos) << damaged.out;

    std::string bytes = readBytes(zip);
    bytes[bytes.size() / 3] = char(bytes[bytes.size() / 3] ^ 0x5A);
    writeBytes(zip, bytes);
    const auto before = test::backedUpFiles(folder.path());
    const Outcome broken = custovia(folder.path(), {"--restore", qt(zip), "--force"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(oneLine(broken.err)) << broken.err;
    EXPECT_EQ(broken.err.rfind("custovia: la copia ", 0), 0u) << broken.err;
    EXPECT_TRUE(test::backedUpFiles(folder.path()) == before);

    const Outcome nowhere = custovia(folder.path(), {"--backup", qt(folder.path() / "Logo.bmp" / "x.zip")});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_TRUE(oneLine(nowhere.err)) << nowhere.err;
}

TEST(CommandProcess, ABackupTakenWhileAnotherProcessAppendsHoldsOnlyWholeCards) {
    TempFolder folder, copies;
    const fs::path archive = folder.path() / kInterventionsFile;
    test::addCard(archive, interventionLayout(), {{"txtUtente", "0"}, {"txtNote", "0"}});
    std::atomic<bool> appending{true};
    // this test's process appends, the program's process backs up
    std::thread writer([&] {
        Archive cards(archive, interventionLayout());
        for (int i = 1; i <= 1000; ++i) {
            Record card(interventionLayout());
            card.set("txtUtente", std::to_string(i));
            card.set("txtNote", std::string(240, 'n') + std::to_string(i));
            cards.append(card);
        }
        appending = false;
    });
    int taken = 0;
    std::uint64_t last = 0;
    const auto backupAndCheck = [&] {
        const fs::path zip = copies.path() / ("copia" + std::to_string(taken++) + ".zip");
        const Outcome backup = custovia(folder.path(), {"--backup", qt(zip)});
        ASSERT_EQ(backup.status, 0) << backup.err;
        const auto reader = systemZip().open(zip);
        std::string bytes;
        reader->read(0, [&](std::string_view piece) { bytes += piece; });
        const std::size_t size = interventionLayout().size();
        ASSERT_EQ(bytes.size() % size, 0u);
        for (std::size_t at = size; at < bytes.size(); at += size) {
            const Record card(interventionLayout(), std::string_view(bytes).substr(at, size));
            ASSERT_EQ(card.get("txtNote"), std::string(240, 'n') + card.get("txtUtente"))
                << "card " << at / size;
        }
        last = bytes.size() / size;
    };
    while (appending) backupAndCheck();
    writer.join();
    backupAndCheck();
    EXPECT_EQ(last, 1001u);
}

}  // namespace
}  // namespace custovia
