#pragma once
// The user guide, Guida.pdf, laid out by the build: getting started, the tasks of every work
// area step by step with pictures of the real windows, the online help's texts and a window
// index, with clickable contents, bookmarks and page numbers.
#include <QString>

namespace custovia::guide {

// Lays out a scratch folder of sample cards, pictures the windows over it and writes the
// guide to the file, whole or not at all. Needs a QApplication (offscreen is enough); throws
// std::runtime_error when the guide cannot be made.
void writeUserGuide(const QString& path);

}  // namespace custovia::guide
