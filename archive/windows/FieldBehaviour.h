#pragma once
// The field behaviours every card and dialog shares: the Enter ring, key filters, focus
// colouring, the yellow highlight frame, hour and minute lists and window chrome.
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QObject>
#include <QSize>
#include <QWidget>
#include <functional>
#include <vector>

namespace custovia {

// Enter (or Return) in any of the widgets moves the focus to the next one; the last goes
// back to the first. Enter never does anything else in them.
void installEnterRing(const std::vector<QWidget*>& order);
// Enter in the widget runs the action instead (for example: focus a button).
void onEnter(QWidget* widget, std::function<void()> action);

// Accepts only digits 0-9, Backspace, Delete, Left and Right; Enter passes on to the ring.
void makeDigitsOnly(QLineEdit* edit);
// After every keystroke the text becomes its trimmed, ASCII upper-cased form.
void makeUpperTrimmed(QLineEdit* edit);
// After every keystroke the text becomes its trimmed form.
void makeTrimmed(QLineEdit* edit);

// Alice-blue background with a sky-blue border; yellow while the field has the focus.
void applyFocusColouring(QWidget* field);

// A yellow rectangle with a yellow-to-white border behind the field, visible only while the
// field has the focus. The frame is a sibling placed around the field's geometry.
QFrame* addHighlightFrame(QWidget* field, const QString& frameName);

// Hour ("00"-"23") or minute ("00"-"59") combo: typing is blocked, values come from the
// list, a value not in the list becomes "00" when the field is left.
void makeTimeList(QComboBox* combo, int count);

// Fixed-size window with the given client area, centred on the screen (or on its owner),
// with no title-bar buttons.
void makeFixedWindow(QWidget* window, QSize clientArea, bool centreOnOwner = false);
void centreWindow(QWidget* window, bool onOwner);

// Line edits report their caption to screen readers through a buddy label or this.
void setCaption(QWidget* field, const QString& caption);

}  // namespace custovia
