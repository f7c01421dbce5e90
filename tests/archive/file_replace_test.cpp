// Whole-file writes of settings and the password store: through a uniquely named temporary
// where the folder allows it, in place (carefully) where it does not, never losing the old
// content. Tests run as root, which no permission bit stops: the folder's refusals and the
// full disk come from a fault-injecting file layer.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "archive/clock.h"
#include "archive/file_replace.h"
#include "archive/paths.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

class FileReplaceTest : public ::testing::Test {
protected:
    fs::path file() const { return temp_.path() / "Segnalazioni.ini"; }
    // Every name in the folder: a write leaves nothing behind.
    std::set<std::string> names() const {
        std::set<std::string> all;
        for (const auto& entry : fs::directory_iterator(temp_.path()))
            all.insert(entry.path().filename().string());
        return all;
    }

    test::TempFolder temp_;
    test::FaultyFiles files;
};

TEST_F(FileReplaceTest, ReplacesThroughATemporaryKeepingThePermissions) {
    test::writeBytes(file(), "old content, rather longer than the new one");
    fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    replaceFileContents(file(), "new", files);
    EXPECT_EQ(test::readBytes(file()), "new");
    EXPECT_EQ(names(), std::set<std::string>{"Segnalazioni.ini"});
#ifndef _WIN32
    EXPECT_EQ(fs::status(file()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
    replaceFileContents(temp_.path() / "Nuovo.ini", "created", files);
    EXPECT_EQ(test::readBytes(temp_.path() / "Nuovo.ini"), "created");
}

#ifndef _WIN32
// A large file's old content is let go after the new one is in place, on a thread of its own;
// a reader that has it open still reads it whole, and nothing is left behind once it is gone.
// (Windows refuses to replace a file another program holds open, and keeps no second name.)
TEST_F(FileReplaceTest, ALargeFileReplacedLeavesOnlyTheNewContentAndItsReadersTheOld) {
    const std::string old(6u << 20, 'o'), next(5u << 20, 'n');
    test::writeBytes(file(), old);
    const auto reader = platformFileOpener().openForReading(file());
    replaceFileContents(file(), next, files);
    EXPECT_EQ(test::readBytes(file()), next);
    std::string held(old.size(), '\0');
    reader->readAt(0, held.data(), held.size());
    EXPECT_EQ(held, old);
    waitForReplacedFilesRemoved();
    EXPECT_EQ(names(), std::set<std::string>{"Segnalazioni.ini"});

    // a replacement that cannot take the file's place (a folder cannot replace a file) leaves
    // the old file alone, under no other name
    fs::create_directory(temp_.path() / "Cartella.tmp");
    EXPECT_THROW(platformFileOpener().replace(temp_.path() / "Cartella.tmp", file()), ArchiveError);
    waitForReplacedFilesRemoved();
    EXPECT_EQ(test::readBytes(file()), next);
    EXPECT_EQ(names(), (std::set<std::string>{"Cartella.tmp", "Segnalazioni.ini"}));
}
#endif

TEST_F(FileReplaceTest, AFolderThatRefusesNewFilesGetsACarefulWriteInPlace) {
    for (const bool exchangeOnly : {false, true}) {
        test::writeBytes(file(), "0123456789");
        files.folderRefusesNewFiles = !exchangeOnly;
        files.folderRefusesExchange = exchangeOnly;
        for (const std::string content : {"longer than the old content", "short", ""}) {
            replaceFileContents(file(), content, files);
            EXPECT_EQ(test::readBytes(file()), content);
        }
        EXPECT_EQ(names(), std::set<std::string>{"Segnalazioni.ini"});
    }
    // a missing file cannot be created in such a folder
    EXPECT_THROW(replaceFileContents(temp_.path() / "Manca.ini", "x", files), ArchiveError);
}

TEST_F(FileReplaceTest, AFailedWriteNeverLosesTheOldContent) {
    const std::string old = "[Accesso]\r\nValore=0A1B2C\r\n";
    const struct {
        bool folderRefusesNewFiles;
        int goodWrites;
        std::string content;
    } cases[] = {
        {false, 0, "[Accesso]\r\nValore=FFFFFFFFFF\r\n"},           // on the temporary
        {true, 0, "[Accesso]\r\nValore=FFFFFFFFFFFFFFFFFFFF\r\n"},  // in place, while growing
        {true, 1, "[Accesso]\r\nValore=FFFFFFFFFFFFFFFFFFFF\r\n"},  // in place, over the old bytes
        {true, 0, "[A]\r\n"},                                       // in place, shrinking
    };
    for (const auto& c : cases) {
        const std::string label = c.content + " after " + std::to_string(c.goodWrites);
        test::writeBytes(file(), old);
        files.folderRefusesNewFiles = c.folderRefusesNewFiles;
        files.writesBeforeFailure = c.goodWrites;
        EXPECT_THROW(replaceFileContents(file(), c.content, files), ArchiveError) << label;
        EXPECT_EQ(test::readBytes(file()), old) << label;
        EXPECT_EQ(names(), std::set<std::string>{"Segnalazioni.ini"}) << label;
    }
    // the last buffered data that never reach the disk fail the write as well
    files = test::FaultyFiles{};
    files.flushFails = true;
    for (const bool inPlace : {false, true}) {
        files.folderRefusesNewFiles = inPlace;
        EXPECT_THROW(replaceFileContents(file(), "[A]\r\n", files), ArchiveError) << inPlace;
        EXPECT_EQ(test::readBytes(file()), old) << inPlace;
    }
    EXPECT_EQ(names(), std::set<std::string>{"Segnalazioni.ini"});
}

// True when the file reads as `content`: the content, then nothing but the blanks a rewrite in
// place pads with.
bool readsAs(const std::string& bytes, const std::string& content) {
    return bytes.starts_with(content) && bytes.find_first_not_of(' ', content.size()) == std::string::npos;
}

TEST_F(FileReplaceTest, ACrashAtAnyMomentLeavesTheOldContentOrTheNewNeverAMix) {
    const std::string longer =
        "[Istituto Vigilanza]\r\nDenominazione=Vigilanza Notturna Srl\r\nCAP=40100\r\n";
    const std::string shorter = "[Istituto Vigilanza]\r\nDenominazione=Ronda\r\n";
    const std::pair<std::string, std::string> changes[] = {{shorter, longer},
                                                           {longer, shorter},
                                                           {"", longer},
                                                           {longer, ""},
                                                           {"[A]\r\nk=1\r\n", "[A]\r\nk=2\r\n"}};
    enum Folder { Writable, RefusesNewFiles, RefusesExchange };
    for (const Folder folder : {Writable, RefusesNewFiles, RefusesExchange}) {
        for (const auto& [old, now] : changes) {
            const std::string label = "folder " + std::to_string(folder) + ", " + old + " -> " + now;
            files = test::FaultyFiles{};
            files.folderRefusesNewFiles = folder == RefusesNewFiles;
            files.folderRefusesExchange = folder == RefusesExchange;
            const int runs = test::crashAtEveryMoment(
                files,
                [&] {
                    test::writeBytes(file(), old);
                    try {
                        replaceFileContents(file(), now, files);
                    } catch (const ArchiveError&) {
                    }
                },
                [&](int changes, bool crashed) {
                    const std::string left = test::readBytes(file());
                    const std::string at = label + ", crash after " + std::to_string(changes);
                    EXPECT_TRUE(readsAs(left, old) || readsAs(left, now)) << at << ": " << left;
                    if (changes == 0) {
                        EXPECT_EQ(left, old) << at;
                    }
                    if (!crashed) {
                        EXPECT_EQ(left, now) << at;
                    }
                    for (const std::string& name : names())  // what the crash left beside it
                        if (name != "Segnalazioni.ini") fs::remove(temp_.path() / name);
                });
            EXPECT_GT(runs, 1) << label;
        }
    }
}

TEST_F(FileReplaceTest, StaleTemporariesAreRemovedAndEverythingElseIsLeft) {
    const DateTime now{2024, 5, 15, 10, 7, 3};
    const auto at = [&](int minutesAgo) {
        return fs::file_time_type::clock::from_sys(toTimePoint(now) - std::chrono::minutes(minutesAgo));
    };
    const fs::path attachments = temp_.path() / "Documenti_Allegati";
    const fs::path deeper = attachments / "vecchi";
    fs::create_directories(deeper);
    const struct {
        fs::path file;
        int minutesAgo;
        bool removed;
    } cases[] = {
        {temp_.path() / "Segnalazioni.ini.0123456789abcdef.tmp", 11, true},
        {temp_.path() / "Contratti.ini.fedcba9876543210.tmp", 60 * 24 * 30, true},
        {attachments / "verbale.pdf.00000000000000ff.tmp", 10, true},
        {temp_.path() / "Logo.bmp.0123456789abcdef.tmp", 9, false},  // another workstation may be writing it
        {temp_.path() / "Clienti.ini.0123456789ABCDEF.tmp", 60, false},  // not a name the program makes
        {temp_.path() / "Logo.bmp.0123456789abcde.tmp", 60, false},
        {temp_.path() / "Logo.bmp.0123456789abcdefa.tmp", 60, false},
        {temp_.path() / "Logo.bmp-0123456789abcdef.tmp", 60, false},
        {temp_.path() / ".0123456789abcdef.tmp", 60, false},
        {temp_.path() / "Logo.bmp.0123456789abcdef.tmp.bak", 60, false},
        {temp_.path() / "Logo.bmp.tmp", 60, false},
        {temp_.path() / "Clienti.xls", 60, false},
        {deeper / "verbale.pdf.0123456789abcdef.tmp", 60, false},  // only the folders named
    };
    for (const auto& c : cases) {
        test::writeBytes(c.file, "x");
        fs::last_write_time(c.file, at(c.minutesAgo));
    }
    // a folder, not a file, is left whatever its age (a folder's time cannot be set everywhere)
    fs::create_directory(temp_.path() / "Cartella.0123456789abcdef.tmp");

    EXPECT_EQ(
        removeStaleTemporaries({temp_.path(), attachments, temp_.path() / "Anagrafica"}, toTimePoint(now)),
        3u);
    for (const auto& c : cases) EXPECT_EQ(fs::exists(c.file), !c.removed) << c.file;
    EXPECT_TRUE(fs::is_directory(temp_.path() / "Cartella.0123456789abcdef.tmp"));
    // the names the writer makes are the names removed
    EXPECT_TRUE(isTemporaryName(pathToUtf8(temporaryNameBeside(file()).filename())));
}

TEST_F(FileReplaceTest, TemporaryNamesAreUniqueAndAUsersFileOfSuchANameIsNeverTouched) {
    std::set<fs::path> seen;
    for (int i = 0; i < 1000; ++i) {
        const fs::path name = temporaryNameBeside(file());
        EXPECT_EQ(name.parent_path(), file().parent_path());
        EXPECT_EQ(name.extension(), ".tmp");
        EXPECT_TRUE(seen.insert(name).second);
    }
    // files a user named like temporaries, and one taken by exclusive creation
    const fs::path taken = temporaryNameBeside(file());
    for (const fs::path& user : {temp_.path() / "Segnalazioni.ini.tmp", taken})
        test::writeBytes(user, "the user's");
    EXPECT_EQ(platformFileOpener().createNew(taken), nullptr);
    fs::create_directory(temp_.path() / "Segnalazioni.ini.tmp-copy");
    replaceFileContents(file(), "written", files);
    EXPECT_EQ(test::readBytes(file()), "written");
    EXPECT_EQ(test::readBytes(temp_.path() / "Segnalazioni.ini.tmp"), "the user's");
    EXPECT_EQ(test::readBytes(taken), "the user's");
    EXPECT_EQ(names().size(), 4u);
}

TEST_F(FileReplaceTest, TwoWritersAtOnceEachLeaveAWholeFile) {
    // two workstations saving the same settings: every write succeeds and the file is always
    // one writer's whole content, never a mix
    const std::string a(3000, 'a'), b(2000, 'b');
    auto writer = [&](const std::string& content, int& failures) {
        for (int i = 0; i < 50; ++i) {
            try {
                replaceFileContents(file(), content);
            } catch (const ArchiveError&) {
                ++failures;
            }
        }
    };
    int failuresA = 0, failuresB = 0;
    std::thread ta(writer, std::cref(a), std::ref(failuresA));
    std::thread tb(writer, std::cref(b), std::ref(failuresB));
    ta.join();
    tb.join();
    EXPECT_EQ(failuresA + failuresB, 0);
    const std::string last = test::readBytes(file());
    EXPECT_TRUE(last == a || last == b);
    EXPECT_EQ(names(), std::set<std::string>{"Segnalazioni.ini"});
}

}  // namespace
}  // namespace custovia
