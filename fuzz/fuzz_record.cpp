// Decodes arbitrary bytes as an intervention record: every field read stays inside it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "archive/record.h"
#include "archive/text.h"
#include "emergencies/interventions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const custovia::RecordLayout& layout = custovia::interventionLayout();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const custovia::Record record(layout, bytes);
    for (std::size_t i = 0; i < layout.fieldCount(); ++i) {
        const std::string text = record.get(i);
        custovia::Record copy(layout);
        copy.set(i, text);  // what was read is written back unchanged
        if (copy.get(i) != text) __builtin_trap();
    }
    (void)custovia::toCp1252(bytes);  // arbitrary bytes as UTF-8
    return 0;
}
