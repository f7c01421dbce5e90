#include "contracts/windows/ContractLogo.h"

#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>

#include "archive/windows/PictureReader.h"

namespace custovia {
namespace {

QString toQPath(const std::filesystem::path& file) { return QString::fromStdU16String(file.u16string()); }

}  // namespace

QImage defaultContractLogo() {
    QImage logo(297, 184, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QSvgRenderer svg(QStringLiteral(":/templates/pictures/logo_euro.svg"));
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

bool storeContractLogo(const QImage& picture, const std::filesystem::path& file) {
    if (picture.isNull()) return false;
    // a bitmap has no transparency: transparent parts of a picture become white
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, picture);
    }
    QSaveFile out(toQPath(file));
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (!opaque.save(&out, "BMP")) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace custovia
