#include "archive/windows/FieldBehaviour.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "archive/text.h"

namespace custovia {
namespace {

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

// Runs a handler for the key presses of one widget; the handler returns true to eat the key.
class KeyFilter final : public QObject {
public:
    KeyFilter(QWidget* target, std::function<bool(QKeyEvent*)> handler)
        : QObject(target), handler_(std::move(handler)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) return handler_(static_cast<QKeyEvent*>(event));
        return false;
    }

private:
    std::function<bool(QKeyEvent*)> handler_;
};

class FocusWatcher final : public QObject {
public:
    FocusWatcher(QWidget* target, std::function<void(bool)> changed)
        : QObject(target), changed_(std::move(changed)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) changed_(true);
        if (event->type() == QEvent::FocusOut) changed_(false);
        return false;
    }

private:
    std::function<void(bool)> changed_;
};

}  // namespace

void installEnterRing(const std::vector<QWidget*>& order) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        QWidget* next = order[(i + 1) % order.size()];
        onEnter(order[i], [next] { next->setFocus(Qt::TabFocusReason); });
    }
}

void onEnter(QWidget* widget, std::function<void()> action) {
    new KeyFilter(widget, [action = std::move(action)](QKeyEvent* key) {
        if (!isEnter(key)) return false;
        action();
        return true;
    });
}

void makeDigitsOnly(QLineEdit* edit) {
    new KeyFilter(edit, [](QKeyEvent* key) {
        if (isEnter(key)) return false;
        switch (key->key()) {
            case Qt::Key_Backspace:
            case Qt::Key_Delete:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                return false;
            default:
                break;
        }
        const QString text = key->text();
        const bool digit = text.size() == 1 && text[0] >= '0' && text[0] <= '9';
        return !digit || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    });
}

namespace {

void normaliseWhileTyping(QLineEdit* edit, std::function<std::string(std::string_view)> form) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, form = std::move(form)](const QString& text) {
        const QString normal = QString::fromStdString(form(text.toStdString()));
        if (normal == text) return;
        const int cursor = std::min<int>(edit->cursorPosition(), int(normal.size()));
        edit->setText(normal);
        edit->setCursorPosition(cursor);
    });
}

}  // namespace

void makeUpperTrimmed(QLineEdit* edit) {
    normaliseWhileTyping(edit, [](std::string_view t) { return trim(asciiUpper(t)); });
}

void makeTrimmed(QLineEdit* edit) {
    normaliseWhileTyping(edit, [](std::string_view t) { return trim(t); });
}

void applyFocusColouring(QWidget* field) {
    const QString rest = QStringLiteral("background-color: #F0F8FF; border: 1px solid #87CEEB;");
    const QString focused = QStringLiteral("background-color: #FFFF00; border: 1px solid #87CEEB;");
    field->setStyleSheet(rest);
    new FocusWatcher(field, [field, rest, focused](bool in) { field->setStyleSheet(in ? focused : rest); });
}

QFrame* addHighlightFrame(QWidget* field, const QString& frameName) {
    auto* frame = new QFrame(field->parentWidget());
    frame->setObjectName(frameName);
    frame->setStyleSheet(QStringLiteral(
        "QFrame { background-color: #FFFF00; border: 3px solid qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #FFFF00, stop:1 #FFFFFF); border-radius: 3px; }"));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    auto place = [frame, field] {
        frame->setGeometry(field->geometry().adjusted(-4, -4, 4, 4));
        frame->stackUnder(field);
    };
    new FocusWatcher(field, [frame, place](bool in) {
        place();
        frame->setVisible(in);
    });
    return frame;
}

void makeTimeList(QComboBox* combo, int count) {
    combo->setEditable(true);
    combo->clear();
    for (int i = 0; i < count; ++i) combo->addItem(QString::asprintf("%02d", i));
    combo->setCurrentIndex(-1);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // typing is blocked entirely: every key but Enter and the list keys is dropped
    auto block = [](QKeyEvent* key) {
        if (isEnter(key)) return false;
        switch (key->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Down:
            case Qt::Key_Up:
            case Qt::Key_F4:
            case Qt::Key_Escape:
                return false;
            default:
                return true;
        }
    };
    new KeyFilter(combo, block);
    if (combo->lineEdit()) new KeyFilter(combo->lineEdit(), block);
    new FocusWatcher(combo, [combo](bool in) {
        if (in) {
            if (combo->lineEdit()) combo->lineEdit()->deselect();
            return;
        }
        if (combo->findText(combo->currentText(), Qt::MatchExactly) < 0)
            combo->setEditText(QStringLiteral("00"));
    });
}

void centreWindow(QWidget* window, bool onOwner) {
    QRect area;
    if (onOwner && window->parentWidget())
        area = window->parentWidget()->window()->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) window->move(area.center() - window->rect().center());
}

void makeFixedWindow(QWidget* window, QSize clientArea, bool centreOnOwner) {
    // a title and nothing else: no close, minimise, maximise or help buttons
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setFixedSize(clientArea);
    centreWindow(window, centreOnOwner);
}

void setCaption(QWidget* field, const QString& caption) {
    QString name = caption;
    if (name.endsWith(':')) name.chop(1);
    field->setAccessibleName(name);
}

}  // namespace custovia
