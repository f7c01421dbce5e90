#include "employees/windows/TfrmZoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "employees/windows/PhotoFrame.h"

namespace custovia {

void centreFullScreenPicture(QWidget* window, QWidget* picture) {
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture, 0, Qt::AlignCenter);
}

void sizeFullScreenPicture(QWidget* window, QWidget* picture) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    picture->setFixedSize(screen ? screen->size() - QSize(60, 90) : QSize(640, 480));
}

TfrmZoom::TfrmZoom(QWidget* parent, const QImage& photo) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(QStringLiteral("QDialog { background: black; }"));
    imgFoto_ = new PhotoFrame(QStringLiteral("imgFoto"), QStringLiteral("Foto del dipendente"), this);
    imgFoto_->setPicture(photo);
    connect(imgFoto_, &PhotoFrame::clicked, this, &QDialog::accept);
    centreFullScreenPicture(this, imgFoto_);
}

const QImage& TfrmZoom::photo() const { return imgFoto_->picture(); }

void TfrmZoom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    sizeFullScreenPicture(this, imgFoto_);
}

void TfrmZoom::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    accept();
}

}  // namespace custovia
