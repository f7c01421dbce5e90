#include "archive/windows/ExportWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "app/windows/TfrmGuida.h"
#include "archive/archive.h"
#include "archive/shell.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/WaitCursor.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kCannotExport = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia "
    "già aperto.");

constexpr int kRowHeight = 21;
constexpr int kNumberWidth = 60;

}  // namespace

ExportWindowConfig archiveExport(QString objectName, QString caption, ExportTable table,
                                 std::string_view file, const RecordLayout& layout, HelpTopic help) {
    ExportWindowConfig c;
    c.objectName = std::move(objectName);
    c.caption = std::move(caption);
    c.table = std::move(table);
    c.archiveFile = std::string(file);
    c.layout = &layout;
    c.helpTopic = help;
    return c;
}

ExportWindow::ExportWindow(Environment& env, QWidget* parent, ExportWindowConfig config)
    : QDialog(parent), env_(env), config_(std::move(config)) {
    setObjectName(config_.objectName);
    setWindowTitle(config_.caption);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("imgBanner"));
    banner->setPixmap(QIcon(pictureResource("export_banner")).pixmap(QSize(600, 80)));
    auto* hints = new HintLine(config_.restingHint, this);
    auto* esporta = new PictureButton(QStringLiteral("cmdEsporta"), pictureResource("excel"),
                                      QStringLiteral("Esporta"), config_.exportHint, this);
    auto* guida = new PictureButton(QStringLiteral("cmdGuida"), pictureResource("guida"),
                                    QStringLiteral("Guida"), config_.helpHint, this);
    auto* esci = new PictureButton(QStringLiteral("cmdEsci"), pictureResource("esci"), QStringLiteral("Esci"),
                                   config_.exitHint, this);
    hints->attach(esporta, config_.exportHint);
    hints->attach(guida, config_.helpHint);
    hints->attach(esci, config_.exitHint);
    connect(esporta, &QToolButton::clicked, this, &ExportWindow::exportGrid);
    if (!config_.helpTopic) config_.helpTopic = helpTopicTitled(config_.helpTitle.toStdString());
    if (config_.helpTopic) config_.helpTitle = QString::fromStdString(helpPage(*config_.helpTopic).title);
    connect(guida, &QToolButton::clicked, this, [this] {
        if (config_.help)
            config_.help(this, config_.helpTitle);
        else if (config_.helpTopic)
            TfrmGuida::open(env_, this, *config_.helpTopic);
    });
    connect(esci, &QToolButton::clicked, this, &QDialog::close);

    buildGrid();

    auto* top = new QHBoxLayout;
    top->addWidget(banner);
    top->addStretch();
    top->addWidget(esporta);
    top->addWidget(guida);
    top->addWidget(esci);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    if (!config_.heading.isEmpty()) {
        auto* heading = new QLabel(config_.heading, this);
        heading->setObjectName(QStringLiteral("lblIntestazione"));
        QFont bold = heading->font();
        bold.setBold(true);
        bold.setPointSize(bold.pointSize() + 3);
        heading->setFont(bold);
        column->addWidget(heading);
    }
    column->addWidget(grdRecords_, 1);
    column->addWidget(hints);
    makeFixedWindow(this, config_.clientArea);
}

void ExportWindow::buildGrid() {
    QStringList headers{QStringLiteral("N.")};
    QStringList names{QStringLiteral("colNum")};
    for (const ExportColumn& c : config_.table.columns) {
        headers << QString::fromStdString(c.gridHeader);
        names << QString::fromStdString(c.name);
    }
    model_ = new GridModel(headers, names, this);
    grdRecords_ = new QTableView(this);
    grdRecords_->setObjectName(QStringLiteral("grdRecords"));
    grdRecords_->setAccessibleName(QStringLiteral("Dati da esportare"));
    grdRecords_->setModel(model_);
    grdRecords_->setAlternatingRowColors(true);
    grdRecords_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRecords_->setTabKeyNavigation(false);  // Tab moves on to the buttons; the arrows move in the grid
    grdRecords_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdRecords_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grdRecords_->setWordWrap(false);
    // the number column stands in for the row headers
    grdRecords_->verticalHeader()->hide();
    grdRecords_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = grdRecords_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->resizeSection(0, kNumberWidth);
    for (std::size_t i = 0; i < config_.table.columns.size(); ++i)
        header->resizeSection(int(i) + 1, config_.table.columns[i].gridWidth);
}

void ExportWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (filled_) return;
    filled_ = true;
    fillGrid();
}

void ExportWindow::fillGrid() {
    const WaitCursor wait;
    GridRows rows(config_.table.columns.size() + 1);
    // a failure ends the filling: the rows read before it are shown, and the user is told
    // once, so an empty or short grid is never taken for the whole archive
    bool complete = true;
    try {
        if (config_.fill) {
            config_.fill(env_, rows);
        } else if (config_.layout) {
            Archive archive(env_.file(config_.archiveFile), *config_.layout, env_.files);
            complete = fillFromArchive(archive, config_.table.columns, rows);
        }
    } catch (const std::exception&) {
        complete = false;
    }
    model_->setRows(std::move(rows));
    readFailed_ = !complete;
    if (readFailed_) env_.messages.error(this, archiveAccessMessage());
}

void ExportWindow::exportGrid() {
    // rows that could not be read are never exported as if the archive had none
    if (readFailed_) {
        env_.messages.error(this, archiveAccessMessage());
        return;
    }
    if (!env_.messages.question(this, kAskExport)) return;
    const std::filesystem::path path = env_.file(config_.table.fileName);
    try {
        const WaitCursor wait;
        // the grid is the source: the file holds what the user sees
        writeSpreadsheet(path, config_.table, model_->rows(), env_.files);
    } catch (const std::exception&) {
        env_.messages.plain(this, kCannotExport);
        return;
    }
    if (env_.messages.question(this, kAskOpen)) env_.shell.open(quotedPath(path));
}

}  // namespace custovia
