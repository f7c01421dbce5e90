#pragma once
// The one window behind every search window and summary list. A search window opens on a
// panel of filters; "Cerca" scans the archive and puts the results panel in its place. A
// summary list opens on the results panel, filled by its condition. The results panel lists
// one fixed-width row per card, with its count, a quick-find box, "Stampa" and "Chiudi"; a
// double-click on a row does with its card whatever the mode tag written by the opener says.
#include <QDialog>
#include <QHash>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive.h"
#include "archive/list_search.h"
#include "archive/windows/Environment.h"
#include "archive/windows/RowListView.h"
#include "archive/windows/qt_text.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStackedWidget;

namespace custovia {

class RowListModel;

enum class ListKind { Search, Summary };

// What a double-click does with each card whose row is the chosen one.
using RowAction = std::function<void(std::uint64_t index, const Record& record)>;

// Loads the chosen card into the card editor registered under the tag, when one is open.
RowAction loadIntoCardEditor(Environment& env, std::string_view tag);

struct ListConfig {
    QString objectName;  // "TfrmTrovaInterventi"
    QString caption;     // the window caption
    QSize size{862, 560};
    ListKind kind = ListKind::Search;
    std::string archiveFile;  // "Archivio_Interventi.pro"
    const RecordLayout* layout = nullptr;
    // A list of entries that are not records of an archive (the lines of a register), set in
    // place of the archive, the row and the condition: it takes the filters as typed (none for a
    // summary list) and gives the rows to list, in order; it throws ArchiveError when the
    // entries cannot be read. A double-click on such a list opens nothing.
    std::function<std::vector<std::string>(const std::vector<SearchFilter>& typed)> entries;
    std::vector<FilterField> filters;  // search windows, in their Enter order
    RowFunction row;
    RecordCondition condition;  // summary lists: which cards are listed
    QString countEnding;        // " schede" or " schede."; empty: no count label
    QString instruction;        // empty: the usual text of the kind
    QString printTitle;
    QString listName = QStringLiteral("Schede trovate");  // what a screen reader calls the list
    // When set, "Esporta" (btnEsporta) beside "Stampa" hands it the window: the export of what
    // the list shows.
    std::function<void(QWidget* window)> exportList;
    QHash<QString, RowAction> actions;  // by mode tag
    RowAction otherTags;                // under any tag not in `actions`; empty: nothing
    QString picture = pictureResource("search_panel");
    // A picture across the top of the results (a resource) and what it reads; empty: none.
    QString header;
    QString headerText;
    // How the quick-find works, above its box; how the filters work, on the filter panel.
    // Empty: no such instruction.
    QString findInstruction;
    QString filterInstruction;
};

// An area's archive as its lists see it: the file, the layout of its cards, the tag its card
// editor is registered under and how a card reads as a row.
struct ListedArchive {
    std::string_view file;
    const RecordLayout& layout;
    std::string_view tag;
    const RowBuilder& row;
};

// A search window over an area's cards, named and titled, whose count ends as given; a
// double-click under the area's tag loads the card into the area's card editor.
ListConfig searchList(Environment& env, const ListedArchive& archive, std::vector<FilterField> filters,
                      QString objectName, QString caption, QString printTitle,
                      QString countEnding = QStringLiteral(" schede."));
// A summary list of the area's cards that meet the condition; a double-click under any tag
// loads the card into the area's card editor.
ListConfig summaryList(Environment& env, const ListedArchive& archive, RecordCondition condition,
                       QString objectName, QString caption, QString printTitle);

class ListWindow : public QDialog {
    Q_OBJECT
public:
    ListWindow(Environment& env, ListConfig config, QWidget* parent = nullptr);
    ~ListWindow() override;

    // Written by the opener before the window is shown.
    void setModeTag(const QString& tag);
    QString modeTag() const;

    const std::vector<std::string>& rows() const;
    QListView* list() const { return found_.view(); }

    void search();        // "Cerca"
    void quickFind();     // "Trova"
    void openSelected();  // a double-click on a row
    void printList();     // "Stampa"

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFilterPanel();
    QWidget* buildResultsPanel();
    void showResults(std::vector<std::string> rows);
    void fillSummary();
    void closeList();
    Archive archive() const;

    Environment& env_;
    ListConfig config_;
    RecordCondition listed_;  // the records the rows on show came from
    bool shownOnce_ = false;
    QLabel* lblMemory_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QWidget* panFiltri_ = nullptr;
    QWidget* panRisultati_ = nullptr;
    std::vector<QLineEdit*> filters_;
    QPushButton* btnCerca_ = nullptr;
    QLabel* lblAttesa_ = nullptr;
    FindableRowList found_;
    QLabel* lblTrovate_ = nullptr;
};

}  // namespace custovia
