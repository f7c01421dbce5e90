#pragma once
// The built-in pictures of the employee windows, and photos written to files (they are read
// through the program's picture reader).
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <Qt>
#include <filesystem>

#include "archive/windows/PictureReader.h"

class QWidget;

namespace custovia {

struct Environment;

inline constexpr QSize kPhotoFrameSize{307, 394};
inline constexpr QSize kWebcamFrameSize{366, 274};

// A picture of templates/pictures ("guardia" for guardia.svg) drawn at the given size, on
// white (photos have no transparency) unless another background is asked for.
QImage builtInPicture(const QString& name, QSize size, Qt::GlobalColor background = Qt::white);
// The employee card's placeholder: a smiling guard in uniform, 307 x 394.
QImage guardPlaceholder();
// The slide show's waiting picture: a photographer, "Avvio Slide Show", "Attendere...".
QImage waitingPicture();
// The webcam window's live frame before the camera runs, and its captured frame before a capture.
QImage webcamPlaceholder();
QImage cameraPlaceholder();

// The picture in JPEG; empty when it cannot be encoded.
QByteArray jpegBytes(const QImage& picture);
// Writes the picture as JPEG through a temporary file renamed into place; false on failure,
// with the old file left whole.
bool writeJpeg(const std::filesystem::path& file, const QImage& picture);

// "Salva foto su disco": asks where (".jpg" added to a name without an extension before the
// dialog asks about replacing a file) and writes the picture there as JPEG. A write that fails
// shows a warning. False when nothing was written.
bool savePhotoToDisk(Environment& env, QWidget* parent, const QImage& picture);

}  // namespace custovia
