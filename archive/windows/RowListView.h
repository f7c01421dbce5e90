#pragma once
// The list of fixed-width rows shown by the search windows and summary lists, the services
// window and the agenda, and the quick-find box above the first two.
#include <QFont>
#include <QString>

class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

namespace custovia {

class Messages;
class QuickFind;
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

}  // namespace custovia
