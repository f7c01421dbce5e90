#include "archive/windows/FieldBehaviour.h"

#include <QAbstractItemView>
#include <algorithm>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QSignalBlocker>
#include <QPushButton>
#include <QScreen>
#include <QValidator>

#include "archive/provinces.h"
#include "archive/text.h"

namespace custovia {
namespace {

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

// A key that types text, as opposed to a command: Escape, the Ctrl shortcuts (select all, copy,
// cut, paste, undo), Home, End and the arrows, with Shift or without, and the function keys
// type nothing. Ctrl+Alt is AltGr on some keyboards, which types characters.
bool typesCharacter(const QKeyEvent* key) {
    const QString text = key->text();
    if (text.isEmpty() || !text[0].isPrint()) return false;
    const Qt::KeyboardModifiers mods = key->modifiers();
    const bool shortcut = (mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier);
    return !shortcut;
}

// A command that changes the text: deleting, cutting, pasting, undoing.
bool editsText(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) return true;
    for (const QKeySequence::StandardKey command :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::Backspace, QKeySequence::Delete, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine})
        if (key->matches(command)) return true;
    return false;
}

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

// What every one-line field lets in, however the text arrives (keys, shortcuts, the context
// menu's paste, drag and drop, input methods, setText): a line break or other control
// character becomes a blank; a digits-only field keeps the digits alone, an amount its digits
// and decimal commas.
class LineValidator final : public QValidator {
public:
    explicit LineValidator(QObject* parent) : QValidator(parent) {}
    enum class Keeps { Anything, Digits, Amount };
    Keeps keeps = Keeps::Anything;

    bool allows(QChar c) const {
        switch (keeps) {
            case Keeps::Digits:
                return c >= '0' && c <= '9';
            case Keeps::Amount:
                return (c >= '0' && c <= '9') || c == ',';
            case Keeps::Anything:
                break;
        }
        return true;
    }

    State validate(QString& input, int& pos) const override {
        QString clean;
        clean.reserve(input.size());
        int cursor = pos;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            if (!allows(c)) {
                if (i < pos) --cursor;
                continue;
            }
            clean += isLineControl(c.unicode()) ? QChar(' ') : c;
        }
        if (clean != input) {
            input = clean;
            pos = std::clamp(cursor, 0, int(clean.size()));
        }
        return Acceptable;
    }
};

LineValidator* lineValidator(QLineEdit* edit) {
    if (auto* existing = dynamic_cast<LineValidator*>(const_cast<QValidator*>(edit->validator())))
        return existing;
    auto* validator = new LineValidator(edit);
    edit->setValidator(validator);
    return validator;
}

// A field's leaving rules, found again by commitEditing().
class LeaveAction final : public QObject {
public:
    LeaveAction(QWidget* field, std::function<void()> action) : QObject(field), action_(std::move(action)) {
        field->installEventFilter(this);
    }
    void run() { action_(); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // a focus change to the field's own drop-down list is not leaving it
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            action_();
        return false;
    }

private:
    std::function<void()> action_;
};

// The focus rule of every list: the selection the toolkit makes when the field takes the focus
// by the keyboard is cleared at once, and again once the field has finished taking it.
void clearSelectionOnFocus(QComboBox* combo) {
    new FocusWatcher(combo, [combo](bool in) {
        if (!in || !combo->lineEdit()) return;
        combo->lineEdit()->deselect();
        QMetaObject::invokeMethod(
            combo->lineEdit(), [edit = combo->lineEdit()] { edit->deselect(); }, Qt::QueuedConnection);
    });
}

}  // namespace

int editWidth(const QWidget* edit, int capacity, Glyphs glyphs) {
    // an edit is as wide as its capacity, within these
    constexpr int kNarrowest = 4, kWidest = 64;
    const QFontMetrics metrics(edit->font());
    const int characters = std::clamp(capacity, kNarrowest, kWidest);
    int digit = 0;
    for (char c = '0'; c <= '9'; ++c) digit = std::max(digit, metrics.horizontalAdvance(QLatin1Char(c)));
    int character = metrics.averageCharWidth();
    switch (glyphs) {
        case Glyphs::Average:
            break;
        case Glyphs::Digits:  // an eleven-digit VAT number shows whole
            character = digit;
            break;
        case Glyphs::Capitals:  // a tax code in capitals shows whole, and a postal code in them
            character = std::max(metrics.horizontalAdvance(QLatin1Char('D')), digit);
            break;
    }
    return character * characters + 16;
}

void makeSingleLine(QLineEdit* edit) { lineValidator(edit); }

void onLeave(QWidget* field, std::function<void()> action) { new LeaveAction(field, std::move(action)); }

void commitEditing(QWidget* window) {
    for (QWidget* w = window->focusWidget(); w; w = w->parentWidget()) {
        bool ran = false;
        for (QObject* child : w->children())
            if (auto* action = dynamic_cast<LeaveAction*>(child)) {
                action->run();
                ran = true;
            }
        if (ran || w == window) return;
    }
}

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

namespace {

// The field refuses the characters its validator would drop, so a refused key changes nothing
// (a selection stays); commands pass, and what they paste is filtered by the validator.
void refuseCharacters(QLineEdit* edit, LineValidator::Keeps keeps) {
    LineValidator* validator = lineValidator(edit);
    validator->keeps = keeps;
    new KeyFilter(edit, [validator](QKeyEvent* key) {
        if (!typesCharacter(key)) return false;
        const QString text = key->text();
        return !std::all_of(text.begin(), text.end(), [validator](QChar c) { return validator->allows(c); });
    });
}

}  // namespace

void makeDigitsOnly(QLineEdit* edit) { refuseCharacters(edit, LineValidator::Keeps::Digits); }

void makeAmountKeys(QLineEdit* edit) { refuseCharacters(edit, LineValidator::Keeps::Amount); }

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
    makeSingleLine(edit);
    normaliseWhileTyping(edit, [](std::string_view t) { return trim(asciiUpper(t)); });
}

void makeTrimmed(QLineEdit* edit) {
    makeSingleLine(edit);
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
    // stacked under the field, the frame comes before it among their parent's children and is
    // destroyed first: a field destroyed with the focus still on it (a modal window left with
    // Escape and destroyed at once) loses the focus after its frame has gone
    const QPointer<QFrame> framed(frame);
    new FocusWatcher(field, [framed, field](bool in) {
        if (!framed) return;
        framed->setGeometry(field->geometry().adjusted(-4, -4, 4, 4));
        framed->stackUnder(field);
        framed->setVisible(in);
    });
    return frame;
}

void makeTimeList(QComboBox* combo, int count, const QString& unlisted) {
    combo->setEditable(true);
    combo->clear();
    for (int i = 0; i < count; ++i) combo->addItem(QString::asprintf("%02d", i));
    combo->setCurrentIndex(-1);
    combo->setInsertPolicy(QComboBox::NoInsert);
    makeSingleLine(combo->lineEdit());
    // typing is blocked entirely, so values come from the list: no key types or deletes;
    // the list keys, Enter, Tab, Escape, copying and the window's shortcuts pass
    auto block = [](QKeyEvent* key) { return typesCharacter(key) || editsText(key); };
    new KeyFilter(combo, block);
    new KeyFilter(combo->lineEdit(), block);
    // the list's current item follows the text however it is set, so Up and Down step from
    // the value shown
    QObject::connect(combo, &QComboBox::editTextChanged, combo, [combo](const QString& text) {
        const int item = combo->findText(text, Qt::MatchExactly);
        if (item == combo->currentIndex()) return;
        const QSignalBlocker quiet(combo);
        if (item >= 0) {
            combo->setCurrentIndex(item);
        } else {
            // no item: clearing the current item would clear the text too
            const int cursor = combo->lineEdit()->cursorPosition();
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
            combo->lineEdit()->setCursorPosition(cursor);
        }
    });
    // a pasted or dropped text is no choice from the list either
    combo->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    combo->lineEdit()->setAcceptDrops(false);
    clearSelectionOnFocus(combo);
    onLeave(combo, [combo, unlisted] {
        if (combo->findText(combo->currentText(), Qt::MatchExactly) < 0) combo->setEditText(unlisted);
    });
}

void makeProvinceList(QComboBox* combo) {
    combo->setEditable(true);
    combo->clear();
    for (const std::string& code : provinceCodes()) combo->addItem(QString::fromStdString(code));
    combo->setCurrentIndex(-1);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);  // any two characters are accepted, not only listed ones
    combo->lineEdit()->setMaxLength(2);
    makeUpperTrimmed(combo->lineEdit());
    clearSelectionOnFocus(combo);
    onLeave(combo, [combo] {
        const QString normal = QString::fromStdString(trim(asciiUpper(combo->currentText().toStdString())));
        if (normal != combo->currentText()) combo->setEditText(normal);
    });
}

void makeChoiceList(QComboBox* combo, const QStringList& choices) {
    combo->setEditable(true);
    combo->clear();
    combo->addItems(choices);
    combo->setCurrentIndex(-1);
    combo->setInsertPolicy(QComboBox::NoInsert);
    makeSingleLine(combo->lineEdit());
    clearSelectionOnFocus(combo);
}

Qt::WindowFlags fixedWindowFlags() {
    // A title and a close button, nothing else. Naming the close button is what tells an X11
    // window manager the window's functions: without it, every function is allowed and the
    // title bar shows minimise and maximise too. Windows that must not close by it ignore it.
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
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
    window->setWindowFlags(fixedWindowFlags());
    window->setFixedSize(clientArea);
    centreWindow(window, centreOnOwner);
}

void removeDefaultButtons(QWidget* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        // a button that has the focus still answers Enter, as it does in every other window
        onEnter(button, [button] { button->click(); });
    }
}

void setCaption(QWidget* field, const QString& caption) {
    QString name = caption;
    if (name.endsWith(':')) name.chop(1);
    field->setAccessibleName(name);
}

}  // namespace custovia
