#pragma once
// Pictures for the employee window tests: solid-colour photos written as files, and the colour
// a picture shows in its middle (JPEG keeps colours only approximately).
#include <QColor>
#include <QImage>
#include <filesystem>

namespace custovia::test {

QImage solidPicture(QColor colour, QSize size = {307, 394});
// Writes a solid-colour picture to the file in the format its extension names.
void writePicture(const std::filesystem::path& file, QColor colour, QSize size = {307, 394});
// True when the picture's middle pixel is within a small distance of the colour.
bool showsColour(const QImage& picture, QColor colour);
// True when the picture looks like the given one (same middle and corner pixels, roughly).
bool looksLike(const QImage& picture, const QImage& expected);

}  // namespace custovia::test
