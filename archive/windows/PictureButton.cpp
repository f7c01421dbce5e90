#include "archive/windows/PictureButton.h"

#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>

namespace custovia {

PictureButton::PictureButton(const QString& objectName, const QString& picture, const QString& accessibleName,
                             const QString& hint, QWidget* parent, QSize size)
    : QToolButton(parent), hint_(hint) {
    setObjectName(objectName);
    setIcon(QIcon(picture));
    setIconSize(size);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(accessibleName);
    setToolTip(hint);
    setAccessibleDescription(hint);
}

HintLine::HintLine(const QString& initialText, QWidget* parent) : QLabel(initialText, parent) {
    setObjectName(QStringLiteral("panInfo"));
    setFrameShape(QFrame::StyledPanel);
    setMinimumHeight(24);
    setIndent(6);
}

void HintLine::attach(QWidget* control, const QString& hint) {
    control->setProperty("hint", hint);
    control->setToolTip(hint);
    control->setAccessibleDescription(hint);
    control->installEventFilter(this);
}

bool HintLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) setText(watched->property("hint").toString());
    if (event->type() == QEvent::Leave) clear();
    return false;
}

LinkLabel::LinkLabel(const QString& objectName, const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
    setColour("#00008B");
}

void LinkLabel::setColour(const char* colour) {
    setStyleSheet(QStringLiteral("color: %1; text-decoration: underline;").arg(QLatin1String(colour)));
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setColour("#FFA500");
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    setColour("#00008B");
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

}  // namespace custovia
