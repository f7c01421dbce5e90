#pragma once
// A picture frame for photos: the picture scaled to fit the frame, keeping its proportions,
// centred. The employee card's photo, the zoom and the slide show, and the webcam's two
// frames are all photo frames.
#include <QImage>
#include <QWidget>

namespace custovia {

class PhotoFrame final : public QWidget {
    Q_OBJECT
public:
    PhotoFrame(const QString& objectName, const QString& accessibleName, QWidget* parent);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

}  // namespace custovia
