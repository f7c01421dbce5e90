// Whole-file writes of settings and the password store: through a uniquely named temporary
// where the folder allows it, in place (carefully) where it does not, never losing the old
// content. Tests run as root, which no permission bit stops: the folder's refusals and the
// full disk come from a fault-injecting file layer.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "archive/file_replace.h"
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
