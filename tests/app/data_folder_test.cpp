// Where the data live and where the delivered files are found, and the first lay-out of a
// data folder.
#include <gtest/gtest.h>

#include <set>

#include "app/cipher.h"
#include "app/data_folder.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, PortableFolderKeepsEverythingBesideTheExecutableAndAnInstalledOneUsesTheUsers) {
    const struct Case {
        const char* what;
        const char* executable;
        std::set<std::string> existing;  // what is there besides
        std::optional<fs::path> named;   // --folder
        const char* variable;            // CUSTOVIA_FOLDER
        const char* dataHome;            // XDG_DATA_HOME
        const char* localAppData;        // LOCALAPPDATA
        const char* home;
        bool windows;
        const char* data;  // empty: no folder can be chosen
        const char* delivered;
        bool portable;
    } cases[] = {
        {"a copied folder",
         "/media/chiavetta/Custovia",
         {"/media/chiavetta/Custovia/unins000.dll"},
         {},
         "",
         "",
         "",
         "/home/anna",
         false,
         "/media/chiavetta/Custovia",
         "/media/chiavetta/Custovia",
         true},
        {"a copied folder is not moved by the variable",
         "/opt/Custovia",
         {"/opt/Custovia/unins000.dll"},
         {},
         "/srv/altro",
         "/home/anna/.dati",
         "",
         "/home/anna",
         false,
         "/opt/Custovia",
         "/opt/Custovia",
         true},
        {"a copied folder pointed at a shared disk",
         "/opt/Custovia",
         {"/opt/Custovia/unins000.dll"},
         fs::path("/mnt/ufficio"),
         "",
         "",
         "",
         "/home/anna",
         false,
         "/mnt/ufficio",
         "/opt/Custovia",
         true},
        {"installed, first start",
         "/usr/bin",
         {"/usr/share/custovia"},
         {},
         "",
         "",
         "",
         "/home/anna",
         false,
         "/home/anna/.local/share/Custovia",
         "/usr/share/custovia",
         false},
        {"installed, root too",
         "/usr/bin",
         {"/usr/share/custovia"},
         {},
         "",
         "",
         "",
         "/root",
         false,
         "/root/.local/share/Custovia",
         "/usr/share/custovia",
         false},
        {"installed, the user's data home",
         "/usr/bin",
         {"/usr/share/custovia"},
         {},
         "",
         "/home/anna/dati",
         "",
         "/home/anna",
         false,
         "/home/anna/dati/Custovia",
         "/usr/share/custovia",
         false},
        {"installed, a relative data home does not count",
         "/usr/bin",
         {},
         {},
         "",
         "dati",
         "",
         "/home/anna",
         false,
         "/home/anna/.local/share/Custovia",
         "/usr/share/custovia",
         false},
        {"installed, the variable",
         "/usr/bin",
         {},
         {},
         "/srv/vigilanza",
         "/home/anna/dati",
         "",
         "/home/anna",
         false,
         "/srv/vigilanza",
         "/usr/share/custovia",
         false},
        {"installed, the command line before the variable",
         "/usr/bin",
         {},
         fs::path("/mnt/ufficio"),
         "/srv/vigilanza",
         "",
         "",
         "/home/anna",
         false,
         "/mnt/ufficio",
         "/usr/share/custovia",
         false},
        {"installed, a relative folder from the working folder",
         "/usr/bin",
         {},
         fs::path("../archivi/./2024"),
         "",
         "",
         "",
         "/home/anna",
         false,
         "/home/anna/archivi/2024",
         "/usr/share/custovia",
         false},
        {"installed elsewhere reads its own share folder",
         "/usr/local/bin",
         {"/usr/local/share/custovia"},
         {},
         "",
         "",
         "",
         "/home/anna",
         false,
         "/home/anna/.local/share/Custovia",
         "/usr/local/share/custovia",
         false},
        {"unpacked into a scratch root",
         "/tmp/radice/usr/bin",
         {"/tmp/radice/usr/share/custovia"},
         {},
         "",
         "",
         "",
         "/home/anna",
         false,
         "/home/anna/.local/share/Custovia",
         "/tmp/radice/usr/share/custovia",
         false},
        {"no home and nothing named",
         "/usr/bin",
         {},
         {},
         "",
         "",
         "",
         "",
         false,
         "",
         "/usr/share/custovia",
         false},
        {"Windows, installed",
         "/Programmi/Custovia",
         {},
         {},
         "",
         "",
         "/Utenti/anna/AppData/Local",
         "/Utenti/anna",
         true,
         "/Utenti/anna/AppData/Local/Custovia",
         "/Programmi/Custovia",
         false},
        {"Windows, no LOCALAPPDATA",
         "/Programmi/Custovia",
         {},
         {},
         "",
         "",
         "",
         "/Utenti/anna",
         true,
         "/Utenti/anna/AppData/Local/Custovia",
         "/Programmi/Custovia",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FolderFacts facts;
        facts.executableFolder = c.executable;
        facts.workingFolder = "/home/anna/lavoro";
        facts.named = c.named;
        facts.folderVariable = c.variable;
        facts.dataHome = c.dataHome;
        facts.localAppData = c.localAppData;
        facts.home = c.home;
        facts.windows = c.windows;
        facts.exists = [&](const fs::path& p) { return c.existing.count(p.generic_string()) > 0; };
        const ProgramFolders folders = chooseFolders(facts);
        EXPECT_EQ(folders.data.generic_string(), c.data);
        EXPECT_EQ(folders.delivered.generic_string(), c.delivered);
        EXPECT_EQ(folders.portable, c.portable);
        EXPECT_EQ(folders.error.empty(), *c.data != '\0') << folders.error;
    }
}

TEST(DataFolder, FirstStartLaysOutTheStoreWithTheFirstPasswordAndNeverResetsIt) {
    test::TempFolder root;
    const fs::path folder = root.path() / "utente" / ".local" / "share" / "Custovia";
    layOutDataFolder(folder);
    EXPECT_EQ(readStoredPassword(folder), "GUARDIANOTTURA");

    writeStoredPassword(folder, "cambiata");
    layOutDataFolder(folder);
    EXPECT_EQ(readStoredPassword(folder), "CAMBIATA");

    // a file where the folder should be
    test::writeBytes(root.path() / "file", "x");
    EXPECT_ANY_THROW(layOutDataFolder(root.path() / "file"));
}

TEST(DataFolder, AStoreThatCouldNotBeWrittenIsLeftMissingForTheNextStart) {
    test::TempFolder folder;
    test::FaultyFiles files;
    files.writesBeforeFailure = 0;  // a full disk
    EXPECT_THROW(layOutDataFolder(folder.path(), files), ArchiveError);
    // an empty store would read as no password: nobody could ever sign in
    EXPECT_FALSE(fs::exists(folder.path() / "unins000.dll"));

    layOutDataFolder(folder.path(), files);
    EXPECT_EQ(readStoredPassword(folder.path()), "GUARDIANOTTURA");
}

}  // namespace
}  // namespace custovia
