// The outline appended to a finished PDF: the original bytes kept, a cross-reference section
// whose offsets land on the new objects, the catalog pointing at the outline.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "app/pdf_outline.h"

namespace custovia {
namespace {

// A small PDF with a classic cross-reference table: catalog 1, page tree 2, pages 3 and 4.
std::string smallPdf() {
    const std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 5\n0000000000 65535 f \n";
    for (const std::size_t at : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", at);
        pdf += entry;
    }
    return pdf + "trailer\n<< /Size 5 /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
}

// Each object the last cross-reference section lists starts where it says.
void expectOffsetsLandOnObjects(const std::string& pdf) {
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref") + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::size_t at = xref + 5;
    while (pdf.compare(at, 7, "trailer") != 0) {
        const std::size_t eol = pdf.find('\n', at);
        long first = 0, count = 0;
        ASSERT_EQ(std::sscanf(pdf.substr(at, eol - at).c_str(), "%ld %ld", &first, &count), 2);
        at = eol + 1;
        for (long n = first; n < first + count; ++n, at += 20) {
            const std::size_t offset = std::stoul(pdf.substr(at, 10));
            EXPECT_EQ(pdf.compare(offset, std::to_string(n).size() + 6, std::to_string(n) + " 0 obj"), 0)
                << n;
        }
    }
}

TEST(PdfOutline, AppendsTheOutlineAsAnUpdateKeepingTheOriginalBytes) {
    const std::string original = smallPdf();
    const std::vector<OutlineEntry> outline = {
        {"Introduzione", 0, 800, {}},
        {"Capitolo è", 1, 700, {{"1. Primo", 1, 650, {}}, {"2. Secondo", 1, 400, {}}}},
    };
    const std::string pdf = withOutline(original, outline);
    EXPECT_EQ(pdf.substr(0, original.size()), original);
    expectOffsetsLandOnObjects(pdf);
    const std::string update = pdf.substr(original.size());
    // the outline root and four entries are objects 5 to 9, the chapters closed; the catalog is
    // written again
    EXPECT_NE(update.find("5 0 obj\n<< /Type /Outlines /First 6 0 R /Last 7 0 R /Count 2 >>"),
              std::string::npos);
    EXPECT_NE(
        update.find("1 0 obj\n<< /Type /Catalog /Pages 2 0 R /Outlines 5 0 R\n/PageMode /UseOutlines\n>>"),
        std::string::npos)
        << update;
    EXPECT_NE(update.find("/Title <FEFF00430061007000690074006F006C006F002000E8> /Parent 5 0 R /Prev 6 0 R "
                          "/Dest [4 0 R /XYZ 0 700.00 0] /First 8 0 R /Last 9 0 R /Count -2"),
              std::string::npos)
        << update;
    EXPECT_NE(update.find("/Parent 7 0 R /Next 9 0 R /Dest [4 0 R /XYZ 0 650.00 0]"), std::string::npos);
    EXPECT_NE(
        update.find("trailer\n<< /Size 10 /Root 1 0 R /Prev " + std::to_string(original.find("xref\n0 5"))),
        std::string::npos);
}

TEST(PdfOutline, TextStringsAreUtf16WithByteOrderMark) {
    EXPECT_EQ(pdfTextString("Aè€"), "<FEFF004100E820AC>");
    EXPECT_EQ(pdfTextString("\xF0\x9F\x98\x80"), "<FEFFD83DDE00>");
    EXPECT_EQ(pdfTextString(""), "<FEFF>");
}

TEST(PdfOutline, RefusesWhatItCannotUpdate) {
    const std::string pdf = smallPdf();
    const struct {
        const char* what;
        std::string bytes;
        std::vector<OutlineEntry> outline;
    } cases[] = {
        {"not a PDF", "hello", {}},
        {"a cross-reference stream",
         std::regex_replace(pdf, std::regex("startxref\n\\d+"), "startxref\n9"),
         {}},
        {"an entry beyond the last page", pdf, {{"Oltre", 2, 0, {}}}},
        {"an outline already there", withOutline(pdf, {{"Uno", 0, 0, {}}}), {{"Due", 0, 0, {}}}},
    };
    for (const auto& c : cases) EXPECT_THROW(withOutline(c.bytes, c.outline), PdfStructureError) << c.what;
}

}  // namespace
}  // namespace custovia
