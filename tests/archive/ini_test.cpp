#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "archive/ini_file.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

TEST(Ini, NamesAreComparedWithoutCaseAndMissingReadsEmpty) {
    const std::string text =
        "; comment\r\n[Segnalazioni]\r\n  operatore = Mario Rossi \r\n[Altro]\r\nOperatore=X\r\n";
    EXPECT_EQ(iniLookup(text, "SEGNALAZIONI", "Operatore"), "Mario Rossi");
    EXPECT_EQ(iniLookup(text, "Altro", "operatore"), "X");
    EXPECT_EQ(iniLookup(text, "Segnalazioni", "Manca"), "");
    EXPECT_EQ(iniLookup(text, "Manca", "Operatore"), "");
    EXPECT_EQ(iniLookup("[A]\nk=\"quoted\"\n", "a", "K"), "quoted");
}

TEST(Ini, WritingOneKeyKeepsEverythingElse) {
    const std::string text = "; tenere\r\n[Accesso]\r\nValore=OLD\r\nAltro=1\r\n\r\n[Zeta]\r\nk=v\r\n";
    EXPECT_EQ(iniAssign(text, "accesso", "VALORE", "NEW"),
              "; tenere\r\n[Accesso]\r\nVALORE=NEW\r\nAltro=1\r\n\r\n[Zeta]\r\nk=v\r\n");
    // a new key goes at the end of its section, a new section at the end of the file
    EXPECT_EQ(iniAssign(text, "Accesso", "Nuovo", "x"),
              "; tenere\r\n[Accesso]\r\nValore=OLD\r\nAltro=1\r\nNuovo=x\r\n\r\n[Zeta]\r\nk=v\r\n");
    EXPECT_EQ(iniAssign("[A]\nk=v", "B", "x", "1"), "[A]\nk=v\n[B]\nx=1\n");
    EXPECT_EQ(iniAssign("", "Segnalazioni", "Operatore", "Anna"), "[Segnalazioni]\r\nOperatore=Anna\r\n");
}

class IniFileTest : public ::testing::Test {
protected:
    test::TempFolder temp_;
    const std::filesystem::path& folder_ = temp_.path();
};

TEST_F(IniFileTest, FileIsWindows1252AndCreatedWhenMissing) {
    const auto file = folder_ / "Segnalazioni.ini";
    EXPECT_EQ(readIniString(file, "Segnalazioni", "Operatore"), "");
    writeIniString(file, "Segnalazioni", "Operatore", "Niccolò");
    EXPECT_EQ(test::readBytes(file), "[Segnalazioni]\r\nOperatore=Niccol\xF2\r\n");
    EXPECT_EQ(readIniString(file, "segnalazioni", "OPERATORE"), "Niccolò");
}

TEST_F(IniFileTest, AWritableFileInAReadOnlyFolderIsStillWrittenAndAFailureKeepsTheOldFile) {
    const auto file = folder_ / "Segnalazioni.ini";
    writeIniString(file, "Segnalazioni", "Operatore", "Anna");
    test::FaultyFiles files;
    files.folderRefusesNewFiles = true;
    writeIniString(file, "Segnalazioni", "Operatore", "Giuseppe Verdi", files);
    EXPECT_EQ(readIniString(file, "Segnalazioni", "Operatore"), "Giuseppe Verdi");
    files.writesBeforeFailure = 0;
    EXPECT_THROW(writeIniString(file, "Segnalazioni", "Operatore", "Bo", files), ArchiveError);
    EXPECT_EQ(test::readBytes(file), "[Segnalazioni]\r\nOperatore=Giuseppe Verdi\r\n");
    // a folder where the file should be cannot be read
    EXPECT_THROW(readIniString(folder_, "S", "k"), ArchiveError);
}

TEST_F(IniFileTest, SeveralKeysAreWrittenInOneGoAsOneKeyAtATimeWouldLeaveThem) {
    const auto file = folder_ / "Contratti.ini";
    const std::string old = "[Numerazione Contratti]\r\nInizio=100\r\n[Istituto Vigilanza]\r\nCAP=40100\r\n";
    const IniValues firm{{"Denominazione", "Ronda Srl"}, {"cap", "40121"}, {"Luogo Stipula", ""}};
    const std::string expected =
        "[Numerazione Contratti]\r\nInizio=100\r\n[Istituto Vigilanza]\r\ncap=40121\r\nDenominazione=Ronda "
        "Srl\r\nLuogo Stipula=\r\n";
    // a crash at any moment leaves all the old values or all the new ones
    for (const bool readOnlyFolder : {false, true}) {
        test::FaultyFiles files;
        files.folderRefusesNewFiles = readOnlyFolder;
        test::crashAtEveryMoment(
            files,
            [&] {
                test::writeBytes(file, old);
                try {
                    writeIniStrings(file, "Istituto Vigilanza", firm, files);
                } catch (const ArchiveError&) {
                }
            },
            [&](int changes, bool crashed) {
                const std::string left = test::readBytes(file);
                EXPECT_EQ(left.substr(0, left.find_last_not_of(' ') + 1), crashed ? old : expected)
                    << readOnlyFolder << " " << changes;
            });
    }
}

TEST_F(IniFileTest, AUsersFileNamedLikeTheTemporaryIsNeverTouched) {
    const auto file = folder_ / "a.ini";
    writeIniString(file, "S", "k", "1");
    test::writeBytes(folder_ / "a.ini.tmp", "mine");
    std::filesystem::create_directory(folder_ / "a.ini.tmp-copy");
    writeIniString(file, "S", "k", "2");
    EXPECT_EQ(readIniString(file, "S", "k"), "2");
    EXPECT_EQ(test::readBytes(folder_ / "a.ini.tmp"), "mine");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 3);
}

}  // namespace
}  // namespace custovia
