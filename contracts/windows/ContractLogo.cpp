#include "contracts/windows/ContractLogo.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include "archive/file_replace.h"
#include "archive/windows/PictureReader.h"
#include "archive/windows/qt_text.h"

namespace custovia {
QImage defaultContractLogo() {
    QImage logo(297, 184, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QSvgRenderer svg(pictureResource("logo_euro"));
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, logo.width(), logo.height()));
    return logo;
}

QImage blankContractLogo() {
    QImage blank(2, 2, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

QImage readLogoPicture(const std::filesystem::path& file) { return readPicture(file, kLogoLongestSide); }

QImage loadContractLogo(const std::filesystem::path& file) {
    const QImage stored = readLogoPicture(file);
    return stored.isNull() ? defaultContractLogo() : stored;
}

bool storeContractLogo(const QImage& picture, const std::filesystem::path& file, FileOpener& files) {
    if (picture.isNull()) return false;
    // a bitmap has no transparency: transparent parts of a picture become white
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
    }
    // encoded in memory and written whole, every write and the final flush checked, so a full
    // disk leaves the earlier logo rather than a truncated one
    QBuffer bitmap;
    bitmap.open(QIODevice::WriteOnly);
    QImageWriter encoder(&bitmap, "BMP");
    if (!encoder.write(opaque)) return false;
    try {
        replaceFileContents(
            file, std::string_view(bitmap.data().constData(), std::size_t(bitmap.data().size())), files);
    } catch (const ArchiveError&) {
        return false;
    }
    return true;
}

}  // namespace custovia
