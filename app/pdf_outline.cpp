#include "app/pdf_outline.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <regex>

namespace custovia {
namespace {

// The value of a "/Key N 0 R" or "/Key N" entry in a dictionary's text.
long dictNumber(const std::string& dict, const std::string& key) {
    std::smatch m;
    if (!std::regex_search(dict, m, std::regex("/" + key + R"(\s+(\d+))")))
        throw PdfStructureError("PDF: no /" + key);
    return std::stol(m[1]);
}

// The trailer dictionary of the last cross-reference section, and that section's offset.
std::pair<std::string, long> lastTrailer(const std::string& pdf) {
    const std::size_t start = pdf.rfind("startxref");
    if (start == std::string::npos) throw PdfStructureError("PDF: no startxref");
    const long xref = std::stol(pdf.substr(start + 9, 24));
    if (xref < 0 || std::size_t(xref) >= pdf.size() || pdf.compare(std::size_t(xref), 4, "xref") != 0)
        throw PdfStructureError("PDF: no classic cross-reference table");
    const std::size_t trailer = pdf.find("trailer", std::size_t(xref));
    if (trailer == std::string::npos || trailer > start) throw PdfStructureError("PDF: no trailer");
    return {pdf.substr(trailer, start - trailer), xref};
}

// The text of object N, between "N 0 obj" and "endobj"; the last definition wins, as after
// earlier incremental updates.
std::string objectText(const std::string& pdf, long number) {
    const std::string header = std::to_string(number) + " 0 obj";
    std::size_t found = std::string::npos;
    for (std::size_t at = pdf.find(header); at != std::string::npos; at = pdf.find(header, at + 1)) {
        const bool starts = at == 0 || pdf[at - 1] == '\n' || pdf[at - 1] == '\r';
        const std::size_t after = at + header.size();
        const bool ends =
            after < pdf.size() && (std::isspace(static_cast<unsigned char>(pdf[after])) || pdf[after] == '<');
        if (starts && ends) found = after;
    }
    if (found == std::string::npos)
        throw PdfStructureError("PDF: object " + std::to_string(number) + " missing");
    const std::size_t end = pdf.find("endobj", found);
    if (end == std::string::npos) throw PdfStructureError("PDF: unterminated object");
    return pdf.substr(found, end - found);
}

std::vector<long> pageObjects(const std::string& pdf, long pagesObject) {
    const std::string pages = objectText(pdf, pagesObject);
    const std::size_t kids = pages.find("/Kids");
    const std::size_t open = pages.find('[', kids);
    const std::size_t close = pages.find(']', open);
    if (kids == std::string::npos || open == std::string::npos || close == std::string::npos)
        throw PdfStructureError("PDF: no page list");
    const std::string list = pages.substr(open + 1, close - open - 1);
    std::vector<long> out;
    const std::regex ref(R"((\d+)\s+0\s+R)");
    for (auto it = std::sregex_iterator(list.begin(), list.end(), ref); it != std::sregex_iterator(); ++it) {
        const long kid = std::stol((*it)[1]);
        // a flat page tree: every kid is a page
        if (objectText(pdf, kid).find("/Type /Pages") != std::string::npos)
            throw PdfStructureError("PDF: nested page tree");
        out.push_back(kid);
    }
    return out;
}

std::u16string utf16(const std::string& utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        char32_t cp = c;
        int extra = 0;
        if (c >= 0xF0)
            cp = c & 0x07, extra = 3;
        else if (c >= 0xE0)
            cp = c & 0x0F, extra = 2;
        else if (c >= 0xC0)
            cp = c & 0x1F, extra = 1;
        for (int k = 1; k <= extra && i + std::size_t(k) < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + std::size_t(k)]) & 0x3F);
        i += std::size_t(extra) + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

struct Writer {
    std::string out;
    std::vector<std::pair<long, std::size_t>> offsets;  // object number, byte offset

    void object(long number, const std::string& body) {
        offsets.emplace_back(number, out.size());
        out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }
};

std::string fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// Writes the entries of one level under parent, then their children; returns how many
// entries show.
long writeLevel(Writer& w, const std::vector<OutlineEntry>& entries, long parent, long& next,
                const std::vector<long>& pages) {
    std::vector<long> ids;
    for (std::size_t i = 0; i < entries.size(); ++i) ids.push_back(next++);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const OutlineEntry& e = entries[i];
        if (e.page < 0 || std::size_t(e.page) >= pages.size())
            throw PdfStructureError("PDF: outline entry on a missing page");
        std::string body =
            "<< /Title " + pdfTextString(e.title) + " /Parent " + std::to_string(parent) + " 0 R";
        if (i > 0) body += " /Prev " + std::to_string(ids[i - 1]) + " 0 R";
        if (i + 1 < entries.size()) body += " /Next " + std::to_string(ids[i + 1]) + " 0 R";
        body +=
            " /Dest [" + std::to_string(pages[std::size_t(e.page)]) + " 0 R /XYZ 0 " + fixed(e.top) + " 0]";
        if (!e.children.empty()) {
            const long first = next;
            const long count = writeLevel(w, e.children, ids[i], next, pages);
            body += " /First " + std::to_string(first) + " 0 R /Last " +
                    std::to_string(first + long(e.children.size()) - 1) + " 0 R /Count -" +
                    std::to_string(count);
        }
        w.object(ids[i], body + " >>");
    }
    // every entry with children starts closed: only this level shows
    return long(entries.size());
}

}  // namespace

std::string pdfTextString(const std::string& utf8) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "<FEFF";
    for (const char16_t unit : utf16(utf8))
        for (int shift = 12; shift >= 0; shift -= 4) out += hex[(unit >> shift) & 15];
    return out + ">";
}

std::string withOutline(const std::string& pdf, const std::vector<OutlineEntry>& outline) {
    const auto [trailer, previousXref] = lastTrailer(pdf);
    const long size = dictNumber(trailer, "Size");
    const long root = dictNumber(trailer, "Root");
    std::string catalog = objectText(pdf, root);
    const std::vector<long> pages = pageObjects(pdf, dictNumber(catalog, "Pages"));

    Writer w;
    w.out = pdf;
    if (!w.out.empty() && w.out.back() != '\n') w.out += '\n';
    const long outlines = size;
    long next = size + 1;
    // children are numbered after their whole level, as writeLevel hands them out
    const long firstTop = next;
    const long count = writeLevel(w, outline, outlines, next, pages);
    w.object(outlines, "<< /Type /Outlines /First " + std::to_string(firstTop) + " 0 R /Last " +
                           std::to_string(firstTop + long(outline.size()) - 1) + " 0 R /Count " +
                           std::to_string(count) + " >>");
    // the catalog again, now pointing at the outline and opening with it shown
    const std::size_t open = catalog.find("<<");
    const std::size_t close = catalog.rfind(">>");
    if (open == std::string::npos || close == std::string::npos) throw PdfStructureError("PDF: bad catalog");
    std::string dict = catalog.substr(open, close - open);
    for (const char* key : {"/Outlines", "/PageMode"})
        if (dict.find(key) != std::string::npos)
            throw PdfStructureError("PDF: catalog already has an outline");
    w.object(root, dict + "/Outlines " + std::to_string(outlines) + " 0 R\n/PageMode /UseOutlines\n>>");

    std::sort(w.offsets.begin(), w.offsets.end());
    const std::size_t xref = w.out.size();
    w.out += "xref\n";
    // one subsection per run of consecutive numbers
    for (std::size_t i = 0; i < w.offsets.size();) {
        std::size_t j = i;
        while (j + 1 < w.offsets.size() && w.offsets[j + 1].first == w.offsets[j].first + 1) ++j;
        w.out += std::to_string(w.offsets[i].first) + " " + std::to_string(j - i + 1) + "\n";
        for (std::size_t k = i; k <= j; ++k) {
            char entry[24];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", w.offsets[k].second);
            w.out += entry;
        }
        i = j + 1;
    }
    std::string info;
    try {
        info = " /Info " + std::to_string(dictNumber(trailer, "Info")) + " 0 R";
    } catch (const PdfStructureError&) {
    }
    w.out += "trailer\n<< /Size " + std::to_string(next) + " /Root " + std::to_string(root) + " 0 R" + info +
             " /Prev " + std::to_string(previousXref) + " >>\nstartxref\n" + std::to_string(xref) +
             "\n%%EOF\n";
    return w.out;
}

}  // namespace custovia
