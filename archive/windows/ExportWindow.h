#pragma once
// The export window family: a grid of the rows to export, filled when the window is shown,
// and the buttons that write it as a worksheet, open the help and close. A member of the
// family is a configuration of this window.
#include <QDialog>
#include <QSize>
#include <QString>
#include <QTableView>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/help.h"
#include "archive/record.h"
#include "archive/spreadsheet_export.h"
#include "archive/windows/Environment.h"
#include "archive/windows/GridModel.h"

namespace custovia {

struct ExportWindowConfig {
    QString objectName;
    QString caption;
    QSize clientArea{960, 600};
    // A line above the grid saying what it holds (the day or month of a grid); empty: none.
    QString heading;
    ExportTable table;
    // The archive the default filling reads whole, record by record.
    std::string archiveFile;
    const RecordLayout* layout = nullptr;
    // Fills the rows in place of the whole archive (a selection, a sort); what it added before
    // a failure is shown.
    // A failure to read throws (ArchiveError): the window then tells the user and refuses to
    // export the rows it has.
    std::function<void(Environment&, GridRows&)> fill;
    // the hint line's texts, alike in every export window
    QString restingHint = QStringLiteral("Esportazione archivio in Microsoft Excel.");
    QString exportHint = QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
    QString helpHint = QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
    QString exitHint = QStringLiteral("Esci da questo ambiente di lavoro.");
    QString helpTitle;
    // The help cmdGuida opens, its title and text; when unset, the help whose title is
    // helpTitle.
    std::optional<HelpTopic> helpTopic;
    // Opens the help window with the given title; nothing happens when unset.
    std::function<void(QWidget* parent, const QString& title)> help;
};

// The export of a whole archive, card by card, with the help of its topic.
ExportWindowConfig archiveExport(QString objectName, QString caption, ExportTable table,
                                 std::string_view file, const RecordLayout& layout, HelpTopic help);

class ExportWindow : public QDialog {
    Q_OBJECT
public:
    ExportWindow(Environment& env, QWidget* parent, ExportWindowConfig config);

    const ExportWindowConfig& config() const { return config_; }
    QTableView* grid() const { return grdRecords_; }
    const GridModel& model() const { return *model_; }
    // The opener hands in the help window once it has one.
    void setHelp(std::function<void(QWidget* parent, const QString& title)> help) {
        config_.help = std::move(help);
    }

    // cmdEsporta: asks, writes the grid to the file and offers to open it.
    void exportGrid();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildGrid();
    void fillGrid();

    Environment& env_;
    ExportWindowConfig config_;
    GridModel* model_ = nullptr;
    QTableView* grdRecords_ = nullptr;
    bool filled_ = false;
    bool readFailed_ = false;  // the grid lacks rows the archive could not give
};

}  // namespace custovia
