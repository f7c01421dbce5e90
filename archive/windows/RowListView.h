#pragma once
// The list of fixed-width rows shown by the search windows and summary lists, the services
// window and the agenda, and the quick-find box above the first two.
#include <string>
#include <vector>

#include <QFont>
#include <QString>

#include "archive/list_search.h"

class QHBoxLayout;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

namespace custovia {

class Messages;
class RowListModel;

// The list view "lstRecords" over the model: one size for every row (1600 wide, so long rows
// scroll sideways, and one line of the font tall), read only, one row chosen at a time, both
// scroll bars always there, the rows in black in the font (a fixed-pitch one, so that the
// columns line up).
QListView* newRowListView(RowListModel* model, const QString& accessibleName, const QFont& font,
                          QWidget* parent);

// The quick-find box "txtTrova" and its button "btnTrova": Enter in the box moves to the button.
struct FindBox {
    QLineEdit* text;
    QPushButton* button;
};
FindBox newFindBox(QWidget* parent);

// "Trova": chooses and shows the row the quick-find gives for the typed text, after the chosen
// one; an empty list says the search does not apply, in a message over the window.
void findNextRow(QListView* list, RowListModel* model, QuickFind& quickFind, const QString& typed,
                 Messages& messages, QWidget* window);

// Chooses the row and scrolls it into view.
void chooseRow(QListView* list, int row);

// The list of rows with the quick-find box above it, as the search windows, the summary lists
// and the services window show them. It is made when the window builds its panel; until then
// its parts are null.
class FindableRowList {
public:
    // The box, its button and the list on `panel`; the rows' model belongs to `window`.
    void build(QWidget* window, QWidget* panel, const QString& accessibleName, const QFont& font);

    QLineEdit* text() const { return box_.text; }
    QPushButton* button() const { return box_.button; }
    QListView* view() const { return view_; }
    RowListModel* model() const { return model_; }
    const std::vector<std::string>& rows() const;
    // The box and its button side by side, for the panel's layout.
    QHBoxLayout* newFindRow() const;

    // Empties the box and forgets the previous search, as a window does when it opens.
    void restart();
    // "Trova": see findNextRow.
    void findNext(Messages& messages, QWidget* window);

private:
    FindBox box_{nullptr, nullptr};
    RowListModel* model_ = nullptr;
    QListView* view_ = nullptr;
    QuickFind quickFind_;
};

}  // namespace custovia
