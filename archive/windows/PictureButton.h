#pragma once
// Picture buttons and the hint line: every picture button has an accessible name, and its
// hint as tooltip, accessible description and hint-line text.
#include <QLabel>
#include <QToolButton>

namespace custovia {

class PictureButton final : public QToolButton {
    Q_OBJECT
public:
    // picture: a resource path such as ":/templates/pictures/salva.svg".
    PictureButton(const QString& objectName, const QString& picture, const QString& accessibleName,
                  const QString& hint, QWidget* parent, QSize size = QSize(48, 48));
    const QString& hint() const { return hint_; }

private:
    QString hint_;
};

// The hint line (`panInfo`) at the bottom of a window: shows the hint of the control under
// the mouse pointer and empties when the pointer leaves it.
class HintLine final : public QLabel {
    Q_OBJECT
public:
    HintLine(const QString& initialText, QWidget* parent);
    // Shows the hint while the pointer is over the control; also sets tooltip and
    // accessible description.
    void attach(QWidget* control, const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The link look: dark blue and underlined, orange while the mouse button is held on it.
class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& objectName, const QString& text, QWidget* parent);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setColour(const char* colour);
};

}  // namespace custovia
