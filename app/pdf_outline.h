#pragma once
// Adds an outline (the bookmarks a PDF reader shows beside the pages) to a finished PDF file,
// as an incremental update appended to it: the original bytes stay as they are.
#include <stdexcept>
#include <string>
#include <vector>

namespace custovia {

struct OutlineEntry {
    std::string title;  // UTF-8
    int page = 0;       // 0-based page index
    double top = 0;     // PDF user space: points from the bottom of the page
    std::vector<OutlineEntry> children;
};

struct PdfStructureError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The PDF with the outline added and shown when the file opens. Throws PdfStructureError
// when the file is not a PDF with a classic cross-reference table.
std::string withOutline(const std::string& pdf, const std::vector<OutlineEntry>& outline);

// A text string for a PDF dictionary: UTF-16BE with its byte order mark, in hex.
std::string pdfTextString(const std::string& utf8);

}  // namespace custovia
