// Fuzz target for the report template reader and the page layout that follows it: any bytes
// must either read as a template that lays out, or be refused with ReportError.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "report/layout.h"
#include "report/template_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace custovia::report;
    try {
        const Template t = parseTemplate(std::string_view(reinterpret_cast<const char*>(data), size));
        (void)prepareReport(t);
    } catch (const ReportError&) {
    }
    return 0;
}
