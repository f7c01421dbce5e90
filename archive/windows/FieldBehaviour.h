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

// A line break or other control character becomes a blank as it enters the field, however it
// enters (keys, paste, context menu, drag and drop, input methods, setText).
void makeSingleLine(QLineEdit* edit);
// What an edit's characters are measured on: an average character, a capital where the field
// holds only capitals (and digits), a digit where it holds digits (VAT numbers, amounts).
enum class Glyphs { Average, Capitals, Digits };
// The width of an edit that shows `capacity` characters whole (within 4 and 64), plus the
// frame and the cursor.
int editWidth(const QWidget* edit, int capacity, Glyphs glyphs = Glyphs::Average);
// The field takes digits 0-9 alone, however they come: other characters typed are refused,
// a paste or a drop keeps only its digits. Commands always work (Escape, Ctrl+A/C/X/V, Home,
// End, Shift with the arrows); Enter passes on to the ring.
void makeDigitsOnly(QLineEdit* edit);
// An amount's field: the same with digits and the decimal comma.
void makeAmountKeys(QLineEdit* edit);
// After every keystroke the text becomes its trimmed, ASCII upper-cased form.
void makeUpperTrimmed(QLineEdit* edit);
// After every keystroke the text becomes its trimmed form.
void makeTrimmed(QLineEdit* edit);

// Alice-blue background with a sky-blue border; yellow while the field has the focus.
void applyFocusColouring(QWidget* field);

// A yellow rectangle with a yellow-to-white border behind the field, visible only while the
// field has the focus. The frame is a sibling placed around the field's geometry.
QFrame* addHighlightFrame(QWidget* field, const QString& frameName);

// The combo edits below share the focus rule of a list: on getting the focus (by Enter, Tab or
// click) its selection is cleared, so the text stays whole and none of it is selected.

// Hour ("00"-"23") or minute ("00"-"59") combo: typing is blocked, values come from the
// list, a value not in the list becomes "00" (or empty, with unlisted) when the field is left.
// The list's current item is always the one its text names, however the text was set.
void makeTimeList(QComboBox* combo, int count, const QString& unlisted = QStringLiteral("00"));

// Combo edit offering the province codes: any two characters are accepted, trimmed and
// upper-cased on every keystroke and on leaving.
void makeProvinceList(QComboBox* combo);

// Combo edit offering a fixed list of choices: any text is accepted, the list only proposes.
void makeChoiceList(QComboBox* combo, const QStringList& choices);

// Runs the action when the field loses the focus, and when commitEditing() finds it focused.
void onLeave(QWidget* field, std::function<void()> action);
// Runs the leaving actions of the field of window that has the focus (before Save or Apply),
// so that what is stored is what those rules make of the text. The focus stays.
void commitEditing(QWidget* window);

// The title bar of fixed-size windows and messages: a title and a close button, without
// minimise, maximise or help buttons.
Qt::WindowFlags fixedWindowFlags();
// Fixed-size window with the given client area, centred on the screen (or on its owner),
// with no title-bar buttons.
void makeFixedWindow(QWidget* window, QSize clientArea, bool centreOnOwner = false);
void centreWindow(QWidget* window, bool onOwner);

// No push button of the dialog acts as its default button, so Enter in a field presses none;
// Enter on a button that has the focus presses that button.
void removeDefaultButtons(QWidget* dialog);

// Line edits report their caption to screen readers through a buddy label or this.
void setCaption(QWidget* field, const QString& caption);

}  // namespace custovia
