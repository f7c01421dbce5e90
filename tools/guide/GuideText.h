#pragma once
// The words of the user guide, Guida.pdf: getting started, the way every card works, a
// chapter per work area with its tasks step by step, and the online help's texts.
#include <QString>
#include <vector>

#include "tools/guide/GuideDocument.h"

namespace custovia::guide {

inline const QString kGuideTitle = QStringLiteral("Guida all'utilizzo del software");

// The chapters in order; the pictures they name are those of takeWindowPictures.
std::vector<GuideChapter> guideChapters();

// The titles of the work areas' chapters, each with at least one picture of its windows.
const std::vector<QString>& workAreaChapterTitles();

}  // namespace custovia::guide
