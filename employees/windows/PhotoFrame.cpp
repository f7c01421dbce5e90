#include "employees/windows/PhotoFrame.h"

#include <QMouseEvent>
#include <QPainter>

namespace custovia {

PhotoFrame::PhotoFrame(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
}

void PhotoFrame::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PhotoFrame::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize size = picture_.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawImage(target, picture_);
}

void PhotoFrame::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace custovia
