#pragma once
// The card's photo full screen: the picture fills the screen but for a margin, keeping its
// proportions; a click anywhere closes the window.
#include <QDialog>
#include <QImage>

namespace custovia {

class PhotoFrame;

class TfrmZoom final : public QDialog {
    Q_OBJECT
public:
    TfrmZoom(QWidget* parent, const QImage& photo);
    const QImage& photo() const;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PhotoFrame* imgFoto_;
};

// A full-screen window's picture area: centred in the window, as large as the screen less 60
// by 90 (sized when the window shows, on the screen it shows on).
void centreFullScreenPicture(QWidget* window, QWidget* picture);
void sizeFullScreenPicture(QWidget* window, QWidget* picture);

}  // namespace custovia
