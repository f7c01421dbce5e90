#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/cipher.h"
#include "archive/ini_file.h"
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

}  // namespace
}  // namespace custovia
