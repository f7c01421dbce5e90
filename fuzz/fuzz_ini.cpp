// Reads and writes keys in arbitrary settings text: a written key always reads back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "archive/ini_file.h"
#include "archive/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = custovia::fromCp1252(std::string(reinterpret_cast<const char*>(data), size));
    (void)custovia::iniLookup(text, "Segnalazioni", "Operatore");
    const std::string written = custovia::iniAssign(text, "Segnalazioni", "Operatore", "Anna Neri");
    if (custovia::iniLookup(written, "segnalazioni", "OPERATORE") != "Anna Neri") __builtin_trap();
    return 0;
}
