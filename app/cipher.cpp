#include "app/cipher.h"

#include "archive/ini_file.h"
#include "archive/text.h"

namespace custovia {
namespace {

std::uint16_t advance(std::uint16_t key, unsigned byte, CipherKeys keys) {
    return std::uint16_t((byte + key) * unsigned(keys.multiplier) + keys.increment);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string encipher(std::string_view utf8, CipherKeys keys) {
    static const char* digits = "0123456789ABCDEF";
    const std::u32string codes = utf8ToCodePoints(utf8);
    const std::size_t n = codes.size() % 256;  // the character count is an 8-bit counter
    std::uint16_t key = keys.start;
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned b = (unsigned(codes[i]) & 0xFF) ^ unsigned(key >> 8);
        out += digits[b >> 4];
        out += digits[b & 15];
        key = advance(key, b, keys);
    }
    return out;
}

std::string decipher(std::string_view hex, CipherKeys keys) {
    const std::size_t n = (hex.size() / 2) % 256;
    std::uint16_t key = keys.start;
    std::u32string codes;
    for (std::size_t i = 0; i < n; ++i) {
        const int hi = hexValue(hex[2 * i]);
        const int lo = hexValue(hex[2 * i + 1]);
        if (hi < 0 || lo < 0) throw CipherError("not hexadecimal");
        const unsigned b = unsigned(hi * 16 + lo);
        codes += char32_t(b ^ unsigned(key >> 8));
        key = advance(key, b, keys);
    }
    return codePointsToUtf8(codes);
}

std::string passwordForm(std::string_view typed) { return trim(asciiUpper(typed)); }

bool storablePassword(std::string_view utf8) {
    const std::u32string codes = utf8ToCodePoints(utf8);
    if (codes.size() > 255) return false;
    for (const char32_t c : codes)
        if (c > 255) return false;
    return true;
}

std::string readStoredPassword(const std::filesystem::path& folder) {
    const std::string hex = readIniString(folder / kPasswordStoreFile, kPasswordSection, kPasswordKey);
    return trim(decipher(hex));
}

void writeStoredPassword(const std::filesystem::path& folder, std::string_view password, FileOpener& files) {
    writeIniString(folder / kPasswordStoreFile, kPasswordSection, kPasswordKey,
                   trim(encipher(passwordForm(password))), files);
}

}  // namespace custovia
