#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/cipher.h"
#include "archive/ini_file.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

namespace custovia {
namespace {

TEST(Cipher, RoundTripsAndIsDeterministic) {
    for (const std::string& text :
         std::vector<std::string>{"GUARDIANOTTURA", "à è ì", "", "x", std::string(255, 'Z')}) {
        const std::string hex = encipher(text);
        EXPECT_EQ(hex, encipher(text));
        EXPECT_EQ(decipher(hex), text);
    }
    const std::string hex = encipher("GUARDIANOTTURA");
    EXPECT_EQ(hex.size(), 28u);
    EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
}

TEST(Cipher, FollowsTheKeyStreamByHand) {
    // key 0x6D2B: first byte = 'A' (0x41) ^ 0x6D = 0x2C; key' = (0x2C + 0x6D2B) * 0x4E35 + 0x1F7B
    const unsigned b0 = 0x41 ^ 0x6D;
    const auto key1 = std::uint16_t((b0 + 0x6D2Bu) * 0x4E35u + 0x1F7Bu);
    const unsigned b1 = 0x42 ^ unsigned(key1 >> 8);
    char expected[5];
    std::snprintf(expected, sizeof expected, "%02X%02X", b0, b1);
    EXPECT_EQ(encipher("AB"), expected);
}

TEST(Cipher, DecipherAcceptsLowerCaseIgnoresAnOddDigitAndRefusesNonHex) {
    const std::string hex = encipher("GUARDIANOTTURA");
    std::string lower = hex;
    for (char& c : lower) c = char(std::tolower(c));
    EXPECT_EQ(decipher(lower), "GUARDIANOTTURA");
    EXPECT_EQ(decipher(hex + "7"), "GUARDIANOTTURA");
    EXPECT_THROW(decipher("ZZ"), CipherError);
    EXPECT_THROW(decipher(hex.substr(0, 4) + "G1"), CipherError);
}

TEST(Cipher, PasswordFormAndWhatTheStoreCanHold) {
    EXPECT_EQ(passwordForm("  guardiaNottura "), "GUARDIANOTTURA");
    EXPECT_EQ(passwordForm("città"), "CITTà");  // accented letters keep their case
    EXPECT_TRUE(storablePassword(std::string(255, 'a')));
    EXPECT_FALSE(storablePassword(std::string(256, 'a')));
    EXPECT_FALSE(storablePassword("euro€"));
    EXPECT_TRUE(storablePassword("ÿ"));
}

TEST(PasswordStore, ReadsWritesAndReportsAStoreThatIsNotHex) {
    const test::TempFolder temp;
    const std::filesystem::path& folder = temp.path();
    EXPECT_EQ(readStoredPassword(folder), "");  // a missing store reads as empty
    writeStoredPassword(folder, " guardianottura ");
    EXPECT_EQ(readStoredPassword(folder), "GUARDIANOTTURA");
    EXPECT_EQ(readIniString(folder / "unins000.dll", "Accesso", "Valore"), encipher("GUARDIANOTTURA"));
    writeIniString(folder / "unins000.dll", "Accesso", "Valore", "nothex!");
    EXPECT_THROW(readStoredPassword(folder), CipherError);
}

TEST(PasswordStore, AWritableStoreInAReadOnlyFolderChangesAndAFailedWriteKeepsTheOldPassword) {
    const test::TempFolder temp;
    const std::filesystem::path& folder = temp.path();
    const auto store = folder / "unins000.dll";
    test::writeBytes(store, "; consegnato\r\n[Accesso]\r\nValore=" + encipher("GUARDIANOTTURA") + "\r\n");
    std::filesystem::permissions(store,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    test::FaultyFiles files;
    files.folderRefusesNewFiles = true;
    writeStoredPassword(folder, "nuova password lunga", files);
    EXPECT_EQ(readStoredPassword(folder), "NUOVA PASSWORD LUNGA");
    EXPECT_EQ(test::readBytes(store).substr(0, 15), "; consegnato\r\n[");
    files.folderRefusesNewFiles = false;
    writeStoredPassword(folder, "terza", files);
    EXPECT_EQ(readStoredPassword(folder), "TERZA");
#ifndef _WIN32
    // the store keeps its permissions through the temporary file
    EXPECT_EQ(std::filesystem::status(store).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
    for (const bool inPlace : {false, true}) {
        files.folderRefusesNewFiles = inPlace;
        files.writesBeforeFailure = 0;
        EXPECT_THROW(writeStoredPassword(folder, "mai salvata, questa", files), ArchiveError);
        EXPECT_EQ(readStoredPassword(folder), "TERZA");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

}  // namespace
}  // namespace custovia
