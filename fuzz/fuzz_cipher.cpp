// Deciphers arbitrary store values: either a clean refusal or a text that enciphers back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/cipher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string hex(reinterpret_cast<const char*>(data), size);
    try {
        const std::string text = custovia::decipher(hex);
        const std::string again = custovia::encipher(text);
        if (again.size() != (hex.size() / 2 % 256) * 2) __builtin_trap();
    } catch (const custovia::CipherError&) {
    }
    return 0;
}
