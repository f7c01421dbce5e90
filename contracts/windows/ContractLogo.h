#pragma once
// The firm's logo printed on every contract: Logo.bmp in the program folder, or the built-in
// euro-sign logo wherever that file is missing or cannot be read.
#include <QImage>
#include <filesystem>

#include "archive/block_file.h"

namespace custovia {

// The built-in logo: a blue euro sign, 297 x 184.
QImage defaultContractLogo();
// A 2 x 2 white picture: no logo at all, printed as an empty white area.
QImage blankContractLogo();
// The longest side a logo is read at: the contract prints it in a box 79 mm wide, which this
// fills at 600 dots per inch.
inline constexpr int kLogoLongestSide = 2000;
// A picture chosen or stored as the logo, read at no more than the size the contract prints;
// a null picture when the file is missing or holds no picture.
QImage readLogoPicture(const std::filesystem::path& file);
// The stored logo, or the built-in one when the file is missing or does not read.
QImage loadContractLogo(const std::filesystem::path& file);
// Writes the picture as a bitmap through a uniquely named temporary file renamed into place
// (see replaceFileContents), so a failed write leaves the previous file as it was. False when
// it could not be written.
bool storeContractLogo(const QImage& picture, const std::filesystem::path& file,
                       FileOpener& files = platformFileOpener());

}  // namespace custovia
