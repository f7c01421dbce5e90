#include "archive/windows/ListWindow.h"

#include <algorithm>
#include <memory>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "archive/windows/CardEditor.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/RowListModel.h"
#include "archive/windows/RowListView.h"
#include "report/windows/ListPrint.h"

namespace custovia {
namespace {

const QString kSearchInstruction =
    QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
const QString kSummaryInstruction =
    QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda");
constexpr int kItemWidth = 1600;

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* namedButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// An instruction on a panel, framed and tinted like the other instruction pictures.
QLabel* instructionLabel(const QString& name, const QString& text, QWidget* parent) {
    QLabel* label = namedLabel(name, text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(
        QStringLiteral("QLabel { background: #FFF6E8; color: #4A2A08; border: 2px solid "
                       "#D9822B; border-radius: 8px; padding: 6px 10px; }"));
    return label;
}

// The columns of a row line up only in a fixed-pitch font: when "Courier New" (or its metric
// twin) is missing, the system's fixed font stands in, never a proportional one.
QFont rowFont() {
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    if (QFontInfo(font).fixedPitch()) return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(12);
    return fixed;
}

ListConfig archiveList(ListKind kind, const ListedArchive& archive, QString objectName, QString caption,
                       QString printTitle) {
    ListConfig c;
    c.objectName = std::move(objectName);
    c.caption = std::move(caption);
    c.kind = kind;
    c.archiveFile = std::string(archive.file);
    c.layout = &archive.layout;
    c.row = [&row = archive.row](std::string_view bytes) { return row(bytes); };  // rows live for the program
    c.printTitle = std::move(printTitle);
    return c;
}

}  // namespace

RowAction loadIntoCardEditor(Environment& env, std::string_view tag) {
    return [&env, tag = toQString(tag)](std::uint64_t index, const Record& record) {
        if (auto* editor = env.windows.find<CardEditor>(tag)) editor->showRecord(index, record);
    };
}

ListConfig searchList(Environment& env, const ListedArchive& archive, std::vector<FilterField> filters,
                      QString objectName, QString caption, QString printTitle, QString countEnding) {
    ListConfig c = archiveList(ListKind::Search, archive, std::move(objectName), std::move(caption),
                               std::move(printTitle));
    c.filters = std::move(filters);
    c.countEnding = std::move(countEnding);
    c.actions.insert(toQString(archive.tag), loadIntoCardEditor(env, archive.tag));
    return c;
}

ListConfig summaryList(Environment& env, const ListedArchive& archive, RecordCondition condition,
                       QString objectName, QString caption, QString printTitle) {
    ListConfig c = archiveList(ListKind::Summary, archive, std::move(objectName), std::move(caption),
                               std::move(printTitle));
    c.condition = std::move(condition);
    c.otherTags = loadIntoCardEditor(env, archive.tag);  // whatever the tag says
    return c;
}

ListWindow::ListWindow(Environment& env, ListConfig config, QWidget* parent)
    : QDialog(parent), env_(env), config_(std::move(config)) {
    setObjectName(config_.objectName);
    setWindowTitle(config_.caption);
    if (config_.instruction.isEmpty())
        config_.instruction = config_.kind == ListKind::Search ? kSearchInstruction : kSummaryInstruction;
    lblMemory_ = namedLabel(QStringLiteral("lblMemory"), QString(), this);
    lblMemory_->hide();

    panels_ = new QStackedWidget(this);
    if (config_.kind == ListKind::Search) panels_->addWidget(buildFilterPanel());
    panels_->addWidget(buildResultsPanel());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panels_);
    makeFixedWindow(this, config_.size);
}

ListWindow::~ListWindow() = default;

void ListWindow::setModeTag(const QString& tag) { lblMemory_->setText(tag); }
QString ListWindow::modeTag() const { return lblMemory_->text(); }
const std::vector<std::string>& ListWindow::rows() const { return found_.model()->rows(); }

Archive ListWindow::archive() const {
    return Archive(env_.file(config_.archiveFile), *config_.layout, env_.files);
}

QWidget* ListWindow::buildFilterPanel() {
    panFiltri_ = new QWidget(this);
    panFiltri_->setObjectName(QStringLiteral("panFiltri"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    for (const FilterField& f : config_.filters) {
        const QString name = QString::fromStdString(f.control);
        const QString caption = QString::fromStdString(f.caption);
        auto* edit = new QLineEdit(panFiltri_);
        edit->setObjectName(name);
        auto* label = new QLabel(caption, panFiltri_);
        label->setBuddy(edit);
        setCaption(edit, caption);
        const int row = int(filters_.size());
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        QString frameName = name;
        if (frameName.startsWith(QLatin1String("txt"))) frameName.remove(0, 3);
        addHighlightFrame(edit, QStringLiteral("eff") + frameName);
        filters_.push_back(edit);
    }
    installEnterRing(std::vector<QWidget*>(filters_.begin(), filters_.end()));

    auto* picture = namedLabel(QStringLiteral("imgRicerca"), QString(), panFiltri_);
    picture->setPixmap(QIcon(config_.picture).pixmap(QSize(160, 160)));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblAttesa_ = namedLabel(QStringLiteral("lblAttesa"),
                            QStringLiteral("Ricerca schede in corso. Attendere..."), panFiltri_);
    lblAttesa_->hide();
    btnCerca_ = namedButton(QStringLiteral("btnCerca"), QStringLiteral("Cerca"), panFiltri_);
    btnCerca_->installEventFilter(this);
    auto* btnAnnulla = namedButton(QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), panFiltri_);
    connect(btnCerca_, &QPushButton::clicked, this, &ListWindow::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &ListWindow::closeList);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(16);
    top->addLayout(grid, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblAttesa_);
    bottom->addStretch();
    bottom->addWidget(btnCerca_);
    bottom->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(panFiltri_);
    layout->setContentsMargins(20, 20, 20, 16);
    if (!config_.filterInstruction.isEmpty()) {
        layout->addWidget(
            instructionLabel(QStringLiteral("imgIstruzioni"), config_.filterInstruction, panFiltri_));
        layout->addSpacing(8);
    }
    layout->addLayout(top);
    layout->addStretch();
    layout->addLayout(bottom);
    return panFiltri_;
}

QWidget* ListWindow::buildResultsPanel() {
    panRisultati_ = new QWidget(this);
    panRisultati_->setObjectName(QStringLiteral("panRisultati"));
    found_.build(this, panRisultati_, config_.listName, rowFont());
    connect(found_.button(), &QPushButton::clicked, this, &ListWindow::quickFind);
    connect(found_.view(), &QListView::doubleClicked, this, &ListWindow::openSelected);
    // Enter on the chosen row opens it as a double-click does
    onEnter(found_.view(), [this] {
        if (found_.view()->currentIndex().isValid()) openSelected();
    });

    auto* btnStampa = namedButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), panRisultati_);
    auto* btnChiudi = namedButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), panRisultati_);
    connect(btnStampa, &QPushButton::clicked, this, &ListWindow::printList);
    connect(btnChiudi, &QPushButton::clicked, this, &ListWindow::closeList);
    QPushButton* btnEsporta = nullptr;
    if (config_.exportList) {
        btnEsporta = namedButton(QStringLiteral("btnEsporta"), QStringLiteral("Esporta"), panRisultati_);
        connect(btnEsporta, &QPushButton::clicked, this, [this] { config_.exportList(this); });
    }

    auto* notes = new QVBoxLayout;
    if (!config_.countEnding.isEmpty()) {
        lblTrovate_ = namedLabel(QStringLiteral("lblTrovate"), QString(), panRisultati_);
        notes->addWidget(lblTrovate_);
    }
    notes->addWidget(namedLabel(QStringLiteral("lblIstruzioni"), config_.instruction, panRisultati_));
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(notes, 1);
    if (btnEsporta) bottom->addWidget(btnEsporta);
    bottom->addWidget(btnStampa);
    bottom->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(panRisultati_);
    layout->setContentsMargins(12, 12, 12, 12);
    if (!config_.header.isEmpty()) {
        QLabel* header = namedLabel(QStringLiteral("imgTitolo"), QString(), panRisultati_);
        const QIcon picture(config_.header);
        header->setPixmap(picture.pixmap(picture.actualSize(QSize(800, 60))));
        header->setAccessibleName(config_.headerText);
        layout->addWidget(header, 0, Qt::AlignLeft);
    }
    if (!config_.findInstruction.isEmpty())
        layout->addWidget(
            instructionLabel(QStringLiteral("imgIstruzioniTrova"), config_.findInstruction, panRisultati_));
    layout->addLayout(found_.newFindRow());
    layout->addWidget(found_.view(), 1);
    layout->addLayout(bottom);
    return panRisultati_;
}

void ListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    found_.restart();
    if (config_.kind == ListKind::Summary) {
        fillSummary();
        if (!found_.model()->rows().empty()) chooseRow(found_.view(), 0);
        found_.text()->setFocus(Qt::OtherFocusReason);
    } else if (!filters_.empty()) {
        filters_.front()->setFocus(Qt::OtherFocusReason);
    }
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event) {
    // the wait label comes up as soon as the button goes down, before the scan starts
    if (watched == btnCerca_ && event->type() == QEvent::MouseButtonPress) {
        lblAttesa_->show();
        lblAttesa_->repaint();
    }
    return QDialog::eventFilter(watched, event);
}

void ListWindow::search() {
    std::vector<SearchFilter> typed;
    for (std::size_t i = 0; i < filters_.size(); ++i)
        typed.push_back({config_.filters[i].field, filters_[i]->text().toStdString()});
    std::vector<std::string> found;
    RecordCondition matches;
    try {
        if (config_.entries) {
            found = config_.entries(typed);
        } else {
            const auto rule = std::make_shared<const Search>(*config_.layout, typed);
            matches = [rule](std::string_view bytes) { return rule->matches(bytes); };
            Archive file = archive();
            collectRows(file, matches, config_.row, found);
        }
    } catch (const ArchiveError&) {
        env_.messages.plain(this, archiveAccessMessage());
        return;
    }
    const std::size_t count = found.size();
    listed_ = matches;
    showResults(std::move(found));
    if (lblTrovate_)
        lblTrovate_->setText(QStringLiteral("Il presente riepilogo contiene ") + QString::number(count) +
                             config_.countEnding);
    found_.text()->clear();
    found_.text()->setFocus(Qt::OtherFocusReason);
}

void ListWindow::fillSummary() {
    std::vector<std::string> found;
    try {
        if (config_.entries) {
            found = config_.entries({});
        } else {
            Archive file = archive();
            collectRows(file, config_.condition, config_.row, found);
        }
    } catch (const ArchiveError&) {
        // a summary list shows what it could read, without a word
    }
    listed_ = config_.condition;
    showResults(std::move(found));
}

void ListWindow::showResults(std::vector<std::string> rows) {
    // every item is as wide as the longest row, and never narrower than the usual width, so a
    // long row scrolls sideways to its end; in a fixed-pitch font a row takes one advance per
    // character, and its bytes are at least its characters
    std::size_t longest = 0;
    for (const std::string& row : rows) longest = std::max(longest, row.size());
    const QFontMetrics metrics(found_.view()->font());
    const qint64 width = qint64(longest) * metrics.horizontalAdvance(QLatin1Char('M')) + 8;
    found_.model()->setItemSize(
        QSize(int(std::clamp<qint64>(width, kItemWidth, 1 << 22)), metrics.height() + 2));
    found_.model()->setRows(std::move(rows));
    panels_->setCurrentWidget(panRisultati_);
}

void ListWindow::quickFind() { found_.findNext(env_.messages, this); }

void ListWindow::openSelected() {
    if (config_.entries) return;  // its entries are no cards to open
    const QModelIndex current = found_.view()->currentIndex();
    const RowAction action = config_.actions.value(modeTag(), config_.otherTags);
    if (current.isValid() && action) {
        try {
            Archive file = archive();
            openMatchingRows(file, config_.row, found_.model()->rows()[std::size_t(current.row())], action,
                             listed_);
        } catch (const ArchiveError&) {
            // the window just closes: what could be loaded stays loaded
        }
    }
    closeList();
}

void ListWindow::printList() { report::printList(this, env_, config_.printTitle, found_.model()->rows()); }

void ListWindow::closeList() {
    found_.model()->clear();
    if (lblAttesa_) lblAttesa_->hide();
    reject();
}

}  // namespace custovia
