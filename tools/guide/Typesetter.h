#pragma once
// Lays the guide out on A4 pages and paints it with Qt's PDF writer: a title page, the
// contents, the chapters, and a window index (window title -> chapter and page); every page
// but the title page carries its number. The contents and the index lines are links, the
// chapters and their sections bookmarks.
#include <QString>
#include <string>
#include <vector>

#include "tools/guide/GuideDocument.h"

namespace custovia::guide {

// The guide as a PDF file's bytes, links and bookmarks included. Throws std::runtime_error
// when a picture is missing or the PDF cannot be made.
std::string typesetGuide(const QString& title, const std::vector<GuideChapter>& chapters,
                         const WindowPictures& pictures);

}  // namespace custovia::guide
