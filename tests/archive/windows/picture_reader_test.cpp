// Pictures read from files at no more than the size the program needs, whatever a camera or
// phone wrote: a 48-megapixel photo, a big picture in a format decoded whole, a photo taken
// with the phone turned.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "archive/windows/PictureReader.h"
#include "files.h"

namespace custovia {
namespace {

// A picture with its upper half red and its lower half blue, so its turn shows.
QImage halves(QSize size) {
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(0, 0, size.width(), size.height() / 2, Qt::red);
    return picture;
}

std::string encoded(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, format));
    return bytes.toStdString();
}

// A JPEG as a phone writes it when held turned: the pixels as the sensor saw them and an EXIF
// orientation telling the viewer to turn them a quarter clockwise.
std::string turnedJpeg(const QImage& picture) {
    const std::string exif("Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 32);
    const std::size_t length = exif.size() + 2;
    std::string segment = "\xFF\xE1";
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    std::string jpeg = encoded(picture, "JPG");
    return jpeg.insert(2, segment + exif);  // right after the start of image
}

bool isColour(const QImage& picture, QPoint at, QColor colour) {
    const QColor c = picture.pixelColor(at);
    return std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
               std::abs(c.blue() - colour.blue()) <
           60;
}

TEST(PictureReader, AnyPictureLoadsWithinTheLongestSideKeepingItsProportions) {
    struct Case {
        const char* name;
        QSize stored;
        const char* format;
        int longest;
        QSize read;
    };
    const Case cases[] = {
        // a 48-megapixel phone photo: beyond Qt's allocation limit read whole
        {"telefono.jpg", {6000, 8000}, "JPG", kPhotoLongestSide, {2250, 3000}},
        // less than twice the size asked for: a JPEG that decodes whole before it is scaled
        {"quadrata.jpg", {5900, 5900}, "JPG", kPhotoLongestSide, {3000, 3000}},
        // a format that always decodes whole
        {"logo.png", {8000, 6000}, "PNG", 2000, {2000, 1500}},
        {"piccola.bmp", {307, 394}, "BMP", kPhotoLongestSide, {307, 394}},  // never enlarged
        {"striscia.png", {9000, 2}, "PNG", kPhotoLongestSide, {3000, 1}},
    };
    test::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeBytes(folder.path() / c.name, encoded(halves(c.stored), c.format));
        const QImage read = readPicture(folder.path() / c.name, c.longest);
        ASSERT_FALSE(read.isNull());
        EXPECT_EQ(read.size(), c.read);
        if (c.read.height() > 1) {
            EXPECT_TRUE(isColour(read, {c.read.width() / 2, c.read.height() / 4}, Qt::red));
            EXPECT_TRUE(isColour(read, {c.read.width() / 2, c.read.height() * 3 / 4}, Qt::blue));
        }
    }
}

TEST(PictureReader, APhotoTakenTurnedComesUprightAndAFileThatIsNoPictureReadsAsNothing) {
    test::TempFolder folder;
    test::writeBytes(folder.path() / "girata.jpg", turnedJpeg(halves({8000, 6000})));
    const QImage upright = readPicture(folder.path() / "girata.jpg");
    ASSERT_EQ(upright.size(), QSize(2250, 3000));
    // turned a quarter clockwise, the upper red half is now on the right
    EXPECT_TRUE(isColour(upright, {1700, 1500}, Qt::red));
    EXPECT_TRUE(isColour(upright, {500, 1500}, Qt::blue));

    test::writeBytes(folder.path() / "finta.jpg", "not a picture at all");
    EXPECT_TRUE(readPicture(folder.path() / "finta.jpg").isNull());
    EXPECT_TRUE(readPicture(folder.path() / "mancante.jpg").isNull());
    EXPECT_TRUE(readPicture(folder.path()).isNull());  // a folder
}

}  // namespace
}  // namespace custovia
