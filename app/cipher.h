#pragma once
// The password cipher: a 16-bit key stream over 8-bit character codes, written as
// hexadecimal text, and the store that keeps it.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "archive/block_file.h"

namespace custovia {

struct CipherKeys {
    std::uint16_t start = 0x6D2B;
    std::uint16_t multiplier = 0x4E35;
    std::uint16_t increment = 0x1F7B;
};

class CipherError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Each character's code taken modulo 256; at most 255 characters are enciphered.
std::string encipher(std::string_view utf8, CipherKeys keys = {});
// Accepts either case of hex digits, ignores an odd last digit; throws CipherError on a
// character that is not a hexadecimal digit.
std::string decipher(std::string_view hex, CipherKeys keys = {});

// The stored form of a typed password: ASCII letters upper-cased, trimmed.
std::string passwordForm(std::string_view typed);
// True when the store can hold the password: at most 255 characters, each code at most 255.
bool storablePassword(std::string_view utf8);

inline constexpr std::string_view kPasswordStoreFile = "unins000.dll";
inline constexpr std::string_view kPasswordSection = "Accesso";
inline constexpr std::string_view kPasswordKey = "Valore";
inline constexpr std::string_view kFirstAccessPassword = "guardianottura";

// Reads and deciphers the stored password, trimmed; a missing store reads as empty.
// Throws CipherError or ArchiveError.
std::string readStoredPassword(const std::filesystem::path& folder);
// Enciphers the password form and writes it, keeping the store's other lines and its
// permissions; throws ArchiveError on failure, the old password then staying valid.
void writeStoredPassword(const std::filesystem::path& folder, std::string_view password,
                         FileOpener& files = platformFileOpener());

}  // namespace custovia
