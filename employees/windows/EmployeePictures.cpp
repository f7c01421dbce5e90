#include "employees/windows/EmployeePictures.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "archive/paths.h"
#include "archive/windows/Environment.h"
#include "employees/employee_photos.h"
#include "archive/windows/qt_text.h"

namespace custovia {

QImage builtInPicture(const QString& name, QSize size, Qt::GlobalColor background) {
    QImage picture(
        size, background == Qt::transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    picture.fill(background);
    QSvgRenderer svg(pictureResource(name));
    QPainter painter(&picture);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

QImage guardPlaceholder() {
    static const QImage picture = builtInPicture(QStringLiteral("guardia"), kPhotoFrameSize);
    return picture;
}

QImage waitingPicture() {
    static const QImage picture = builtInPicture(QStringLiteral("attesa_slideshow"), {640, 480});
    return picture;
}

QImage webcamPlaceholder() { return builtInPicture(QStringLiteral("webcam_spenta"), kWebcamFrameSize); }

QImage cameraPlaceholder() { return builtInPicture(QStringLiteral("fotocamera"), kWebcamFrameSize); }

QByteArray jpegBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, "JPG", 90)) return {};
    return bytes;
}

bool writeJpeg(const std::filesystem::path& file, const QImage& picture) {
    const QByteArray bytes = jpegBytes(picture);
    return !bytes.isEmpty() &&
           replaceFile(file, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

bool savePhotoToDisk(Environment& env, QWidget* parent, const QImage& picture) {
    const QString chosen = env.fileDialogs.saveFileWithSuffix(
        parent, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
        QStringLiteral("File Jpeg (*.jpg)"), QStringLiteral("Foto.jpg"), QStringLiteral("jpg"));
    if (chosen.isEmpty()) return false;
    const std::filesystem::path file = pathFromUtf8(withJpegExtension(chosen.toStdString()));
    if (writeJpeg(file, picture)) return true;
    env.messages.warning(
        parent, QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file indicato.\r\n\r\n"
                               "Accertarsi di possedere i privilegi di scrittura nella cartella scelta."));
    return false;
}

}  // namespace custovia
