// Non-ASCII folder and file names, end to end: the program folder is reached from its UTF-8
// text (as the executable's folder comes from Qt) through the one conversion, and every file
// of the program keeps its real name on disk. On Windows a plain std::string would be read
// in the ANSI code page and name another, missing folder.
#include <gtest/gtest.h>

#include <set>

#include "app/cipher.h"
#include "archive/archive.h"
#include "archive/attachments.h"
#include "archive/ini_file.h"
#include "archive/paths.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

// What the folder holds, each name as UTF-8 read back from the file system.
std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(pathToUtf8(entry.path().filename()));
    return names;
}

TEST(Paths, Utf8TextAndPathsConvertBothWaysUnchanged) {
    for (const std::string text : {"Archivio Niccolò.pro", "Cartella €uro", "ł ß 合同", "plain"}) {
        EXPECT_EQ(pathToUtf8(pathFromUtf8(text)), text);
        EXPECT_TRUE(pathFromUtf8(text).u8string() == std::u8string(text.begin(), text.end())) << text;
    }
}

TEST(Paths, TheProgramRunsFromAFolderNamedWithAccentsAndTheEuroSign) {
    const test::TempFolder temp;
    // the program folder arrives as UTF-8 text, like QCoreApplication::applicationDirPath()
    const std::string folderText = pathToUtf8(temp.path()) + "/Programmi Niccolò €";
    const fs::path folder = pathFromUtf8(folderText);
    fs::create_directories(folder);
    EXPECT_EQ(namesIn(temp.path()), std::set<std::string>{"Programmi Niccolò €"});

    const RecordLayout layout{{"txtNome", 20}};
    Archive archive(folder / pathFromUtf8("Archivio Niccolò.pro"), layout);
    Record card(layout);
    card.set(0, "Niccolò");
    EXPECT_EQ(archive.append(card), 0u);
    EXPECT_EQ(Archive(pathFromUtf8(folderText + "/Archivio Niccolò.pro"), layout).load(0).get(0), "Niccolò");

    writeIniString(folder / "Segnalazioni.ini", "Segnalazioni", "Operatore", "Lucia €");
    EXPECT_EQ(readIniString(folder / "Segnalazioni.ini", "Segnalazioni", "Operatore"), "Lucia €");
    writeStoredPassword(folder, "città");
    EXPECT_EQ(readStoredPassword(folder), "CITTà");

    const fs::path chosen = temp.path() / pathFromUtf8("Verbale ò €.pdf");
    test::writeBytes(chosen, "PDF");
    EXPECT_EQ(copyIntoAttachments(folder, chosen, "Verbale ò €.pdf", [] { return true; }),
              AttachOutcome::Copied);
    EXPECT_EQ(test::readBytes(*attachmentPath(folder, "Verbale ò €.pdf")), "PDF");

    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"Archivio Niccolò.pro", "Documenti_Allegati",
                                                      "Segnalazioni.ini", "unins000.dll"}));
    EXPECT_EQ(namesIn(attachmentsFolder(folder)), std::set<std::string>{"Verbale ò €.pdf"});
}

TEST(Paths, AFailureOnANonAsciiNameIsReportedAsAnArchiveFailureNamingTheFile) {
    const test::TempFolder temp;
    // "ł" is in no Western code page: the message must not depend on one
    const fs::path file = temp.path() / pathFromUtf8("Archivio Wrocław €.pro");
    fs::create_directory(file);
    try {
        Archive(file, RecordLayout{{"txtNome", 20}}).count();
        ADD_FAILURE() << "a folder opened as an archive";
    } catch (const ArchiveError& e) {
        EXPECT_NE(std::string(e.what()).find("Archivio Wrocław €.pro"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace custovia
