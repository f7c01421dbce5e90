#pragma once
// Pictures read from files: turned upright as their EXIF orientation says and scaled down
// while they are decoded to what the program shows or prints, so a photo of any size a camera
// or phone takes loads (a 48-megapixel photo would not fit Qt's allocation limit read whole).
#include <QImage>
#include <QString>
#include <filesystem>

namespace custovia {

// The longest side a photo is kept at: the zoom fills a 4K screen with it, and the printed
// employee card's 14 cm get more than 500 dots per inch.
inline constexpr int kPhotoLongestSide = 3000;

// The picture of a file in any format the platform decodes (the format comes from the
// content, so a bitmap named .jpg still loads), scaled down keeping its proportions so that
// neither side exceeds `longestSide`; a smaller picture is read as it is. A null picture when
// the file is missing or holds no picture.
QImage readPicture(const std::filesystem::path& file, int longestSide = kPhotoLongestSide);
QImage readPicture(const QString& file, int longestSide = kPhotoLongestSide);

}  // namespace custovia
