#pragma once
// What a PDF reader needs to move about the guide: the bookmarks beside the pages and the
// links on them. The guide is painted by Qt's PDF writer, which makes neither; they are added
// afterwards to the finished file with qpdf.
#include <string>
#include <vector>

namespace custovia::guide {

// A place in the document: a page (0-based) and a height on it, in PDF points from the
// bottom edge of the page.
struct PdfPlace {
    int page = 0;
    double top = 0;
};

// A clickable rectangle on a page (PDF points from the bottom-left corner) leading to a place.
struct PdfLink {
    int page = 0;
    double left = 0, bottom = 0, right = 0, top = 0;
    PdfPlace to;
};

struct PdfBookmark {
    std::string title;  // UTF-8
    PdfPlace to;
    std::vector<PdfBookmark> children;  // shown folded
};

// The PDF with the bookmarks and links added, the bookmarks shown when the file opens, and no
// creation date, so that the same guide gives the same bytes. Throws std::runtime_error when
// the PDF cannot be read.
std::string withNavigation(const std::string& pdf, const std::vector<PdfBookmark>& bookmarks,
                           const std::vector<PdfLink>& links);

}  // namespace custovia::guide
