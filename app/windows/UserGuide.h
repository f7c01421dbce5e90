#pragma once
// The user guide, Guida.pdf: a title page, a table of contents by work area and the general
// help text's paragraphs under their headings, with an outline, laid out from the same texts
// the help windows show.
#include <QString>

namespace custovia {

// Writes the guide to the file; throws std::runtime_error when it cannot.
void writeUserGuide(const QString& path);

}  // namespace custovia
