#pragma once
// The words of the user guide, Guida.pdf: getting started, the way every card works, a
// chapter per work area with its tasks step by step, and the online help's texts. They are
// written in Guida.md, beside this builder and built into it, in a small form read a line at a
// time:
//   # chapter            ## section            ### subheading
//   1. step, 2. step...  - bullet              > note
//   ![caption](picture)  {{insertion}}         <!-- a remark for whoever edits the text -->
// and any other line is a paragraph. A blank line ends a paragraph, a list or a note; each is
// one line, so text right under a paragraph, an item or a note is a mistake. **Two asterisks**
// around words set them in bold. {{name}} stands on a line of its own where the program adds
// blocks from its own texts (the online help's paragraphs), so none of them is copied here.
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "tools/guide/GuideDocument.h"

namespace custovia::guide {

inline const QString kGuideTitle = QStringLiteral("Guida all'utilizzo del software");

// The chapters in order; the pictures they name are those of takeWindowPictures.
std::vector<GuideChapter> guideChapters();

// The titles of the work areas' chapters, each with at least one picture of its windows.
const std::vector<QString>& workAreaChapterTitles();

// What each {{name}} adds to the chapter it stands in.
using GuideInsertions = std::map<QString, std::function<void(GuideChapter&)>>;

// The chapters of a text in the form above. A line that does not fit it throws a
// std::runtime_error that names the source, the line's number and the line.
std::vector<GuideChapter> readGuideText(const QString& text, const GuideInsertions& insertions,
                                        const QString& source);

}  // namespace custovia::guide
