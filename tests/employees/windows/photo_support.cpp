#include "photo_support.h"

#include <cstdlib>

namespace custovia::test {

QImage solidPicture(QColor colour, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

void writePicture(const std::filesystem::path& file, QColor colour, QSize size) {
    std::filesystem::create_directories(file.parent_path());
    solidPicture(colour, size).save(QString::fromStdString(file.string()));
}

namespace {

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

}  // namespace

bool showsColour(const QImage& picture, QColor colour) {
    return !picture.isNull() && near(picture.pixelColor(picture.width() / 2, picture.height() / 2), colour);
}

bool looksLike(const QImage& picture, const QImage& expected) {
    if (picture.isNull() || expected.isNull()) return false;
    // compared as small thumbnails, so that JPEG's ringing at sharp edges averages out
    const QSize thumb(8, 10);
    const QImage a = picture.scaled(thumb, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = expected.scaled(thumb, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < thumb.height(); ++y)
        for (int x = 0; x < thumb.width(); ++x)
            if (!near(a.pixelColor(x, y), b.pixelColor(x, y))) return false;
    return true;
}

}  // namespace custovia::test
