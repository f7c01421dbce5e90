#include "clients/windows/TfrmAllegaExcel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "archive/windows/FixedPitchFont.h"
#include "archive/card_navigation.h"
#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/RowListModel.h"
#include "archive/windows/RowListView.h"
#include "clients/services.h"
#include "report/windows/ListPrint.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

struct Required {
    const char* field;
    const char* warning;
};

constexpr Required kRequired[] = {
    {"txtData",
     "Attenzione: per salvare la scheda è necessario indicare la "
     "data in cui è stato fornito il servizio."},
    {"txtOra",
     "Attenzione: per salvare la scheda è necessario indicare l'ora "
     "in cui è stato fornito il servizio."},
    {"txtServizi",
     "Attenzione: per salvare la scheda è necessario indicare i "
     "servizi forniti."},
    {"txtAgente",
     "Attenzione: per salvare la scheda è necessario indicare il "
     "nome dell'agente che ha fornito il servizio."},
    {"txtImporto",
     "Attenzione: per salvare la scheda è necessario indicare "
     "l'importo pagato dal cliente."},
};

QPushButton* namedButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

std::string trimmed(const QLineEdit* edit) { return trim(edit->text().toStdString()); }

// The rows line up only in a fixed-pitch font.
QFont fixedRowFont() { return fixedPitchFont(QStringLiteral("Courier New"), 12); }

}  // namespace

TfrmAllegaExcel::TfrmAllegaExcel(Environment& env, QWidget* parent, const QString& clientName,
                                 const QString& clientPosition)
    : QDialog(parent), env_(env), clientName_(clientName), clientPosition_(clientPosition) {
    setObjectName(QStringLiteral("TfrmAllegaExcel"));
    setWindowTitle(QStringLiteral(" Riepilogo servizi forniti"));
    panels_ = new QStackedWidget(this);
    panels_->addWidget(buildListPanel());
    panels_->addWidget(buildEntryPanel());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panels_);
    removeDefaultButtons(this);
    makeFixedWindow(this, QSize(960, 560));
}

TfrmAllegaExcel::~TfrmAllegaExcel() = default;

const std::vector<std::string>& TfrmAllegaExcel::rows() const { return found_.model()->rows(); }

QWidget* TfrmAllegaExcel::buildListPanel() {
    panContainer_ = new QWidget(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    lblTitolo_ = new QLabel(QStringLiteral("Servizi forniti al cliente"), panContainer_);
    lblTitolo_->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo_->setTextFormat(Qt::PlainText);  // the client's name as typed, "<" and "&" included
    QFont title = lblTitolo_->font();
    title.setPointSize(14);
    title.setBold(true);
    lblTitolo_->setFont(title);
    auto* instruction =
        new QLabel(QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in "
                                  "elenco da cercare e premere il pulsante Trova."),
                   panContainer_);
    instruction->setWordWrap(true);
    found_.build(this, panContainer_, QStringLiteral("Servizi forniti"), fixedRowFont());
    makeSingleLine(found_.text());
    connect(found_.button(), &QPushButton::clicked, this, &TfrmAllegaExcel::find);

    auto* note = new QLabel(QStringLiteral("Per modificare una scheda in elenco, "
                                           "selezionarla con un clic e premere "
                                           "il pulsante Modifica voce."),
                            panContainer_);
    lblTotale_ = new QLabel(QStringLiteral("€ 0,00"), panContainer_);
    lblTotale_->setObjectName(QStringLiteral("lblTotale"));
    QFont total = lblTotale_->font();
    total.setPointSize(12);
    total.setBold(true);
    lblTotale_->setFont(total);
    // made in the order they stand in their row, which Tab follows
    auto* btnAggiungi =
        namedButton(QStringLiteral("btnAggiungi"), QStringLiteral("Aggiungi voce"), panContainer_);
    auto* btnModifica =
        namedButton(QStringLiteral("btnModifica"), QStringLiteral("Modifica voce"), panContainer_);
    auto* btnStampa =
        namedButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa riepilogo"), panContainer_);
    auto* btnChiudi = namedButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), panContainer_);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAggiungi, &QPushButton::clicked, this, &TfrmAllegaExcel::add);
    connect(btnModifica, &QPushButton::clicked, this, &TfrmAllegaExcel::edit);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAllegaExcel::print);

    auto* totalRow = new QHBoxLayout;
    totalRow->addWidget(note, 1);
    totalRow->addWidget(new QLabel(QStringLiteral("Totale:"), panContainer_));
    totalRow->addWidget(lblTotale_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnAggiungi, btnModifica, btnStampa, btnChiudi}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(panContainer_);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(lblTitolo_);
    layout->addWidget(instruction);
    layout->addLayout(found_.newFindRow());
    layout->addWidget(found_.view(), 1);
    layout->addLayout(totalRow);
    layout->addLayout(buttons);
    return panContainer_;
}

QLineEdit* TfrmAllegaExcel::addEntry(QGridLayout* grid, const QString& name, const QString& caption,
                                     int capacity, Glyphs glyphs, QWidget* beside) {
    QWidget* panel = panCosti_;
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(name);
    edit->setMaxLength(capacity);
    makeSingleLine(edit);
    applyFocusColouring(edit);
    auto* label = new QLabel(caption, panel);
    label->setBuddy(edit);
    edit->setFixedWidth(editWidth(edit, capacity, glyphs));
    const int row = grid->count() / 2;  // a caption and an edit a row (an empty grid counts one row)
    grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    // the edit keeps its width and its icon follows it, whatever the width of the other edits
    auto* cell = new QHBoxLayout;
    cell->setSpacing(4);
    cell->addWidget(edit);
    if (beside) cell->addWidget(beside);
    cell->addStretch(1);
    grid->addLayout(cell, row, 1);
    return edit;
}

QWidget* TfrmAllegaExcel::buildEntryPanel() {
    panCosti_ = new QWidget(this);
    panCosti_->setObjectName(QStringLiteral("panCosti"));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);  // the edits keep their widths, the rest of the row is empty
    auto* impData = new PictureButton(QStringLiteral("impData"), pictureResource("calendario"),
                                      QStringLiteral("Data di oggi"),
                                      QStringLiteral("Inserisce la data di oggi."), panCosti_, QSize(24, 24));
    auto* impOra = new PictureButton(QStringLiteral("impOra"), pictureResource("servizi_ora"),
                                     QStringLiteral("Ora attuale"),
                                     QStringLiteral("Inserisce l'ora attuale."), panCosti_, QSize(24, 24));
    const RecordLayout& l = serviceLayout();
    const auto capacity = [&l](const char* f) { return l.field(l.indexOf(f)).capacity; };
    txtData_ = addEntry(grid, QStringLiteral("txtData"), QStringLiteral("Data:"), capacity("txtData"),
                        Glyphs::Digits, impData);
    txtOra_ = addEntry(grid, QStringLiteral("txtOra"), QStringLiteral("Ora:"), capacity("txtOra"),
                       Glyphs::Digits, impOra);
    txtServizi_ =
        addEntry(grid, QStringLiteral("txtServizi"), QStringLiteral("Servizi:"), capacity("txtServizi"));
    txtAgente_ =
        addEntry(grid, QStringLiteral("txtAgente"), QStringLiteral("Agente:"), capacity("txtAgente"));
    txtImporto_ = addEntry(grid, QStringLiteral("txtImporto"), QStringLiteral("Importo: €"),
                           capacity("txtImporto"), Glyphs::Digits);
    // digits and the decimal comma only, however they arrive; normalised when left
    makeAmountKeys(txtImporto_);
    // an amount too long for the field once normalised stays as typed, for Save to refuse
    onLeave(txtImporto_, [this] {
        if (const auto money = storableAmount(txtImporto_->text().toStdString()))
            txtImporto_->setText(QString::fromStdString(*money));
    });
    installEnterRing({txtData_, txtOra_, txtServizi_, txtAgente_, txtImporto_});

    connect(impData, &QToolButton::clicked, this,
            [this] { txtData_->setText(QString::fromStdString(formatDate(env_.clock.now()))); });
    connect(impOra, &QToolButton::clicked, this, [this] {
        const DateTime now = env_.clock.now();
        txtOra_->setText(QString::fromStdString(twoDigits(now.hour) + ":" + twoDigits(now.minute)));
    });

    lblPosizione_ = new QLabel(panCosti_);
    lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione_->hide();
    lblFile_ = new QLabel(panCosti_);
    lblFile_->setObjectName(QStringLiteral("lblFile"));
    lblFile_->setTextFormat(Qt::PlainText);
    lblFile_->hide();

    auto* btnSalva = namedButton(QStringLiteral("btnSalva"), QStringLiteral("Salva"), panCosti_);
    auto* cmdClose = namedButton(QStringLiteral("cmdClose"), QStringLiteral("Chiudi"), panCosti_);
    connect(btnSalva, &QPushButton::clicked, this, &TfrmAllegaExcel::save);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSalva);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(panCosti_);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addWidget(
        new QLabel(QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), panCosti_));
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    return panCosti_;
}

Archive TfrmAllegaExcel::archive() const {
    return Archive(std::filesystem::path(lblFile_->text().toStdU16String()), serviceLayout(), env_.files);
}

void TfrmAllegaExcel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    found_.restart();
    lblTitolo_->setText(QStringLiteral("Servizi forniti a ") + trimmedText(clientName_));
    const std::filesystem::path file = env_.file(servicesFileName(clientPosition_.toStdString()));
    lblFile_->setText(QString::fromStdU16String(file.u16string()));
    load();
    found_.text()->setFocus(Qt::OtherFocusReason);
}

void TfrmAllegaExcel::load() {
    ServiceList list;
    try {
        Archive file = archive();
        list = listServices(file);  // a missing file is created empty
    } catch (const ArchiveError&) {
        // loading stops silently with what was listed
    }
    found_.model()->setRows(std::move(list.rows));
    lblTotale_->setText(QStringLiteral("€ ") + QString::fromStdString(list.total));
    // one message for the whole list, however many amounts could not be read, once the list
    // and its total are on screen
    if (list.unreadable == 0) return;
    const QString message =
        list.unreadable == 1
            ? QStringLiteral(
                  "Attenzione: l'importo di un servizio non è leggibile e non è compreso nel totale.")
            : QStringLiteral(
                  "Attenzione: gli importi di %1 servizi non sono leggibili e non sono compresi nel "
                  "totale.")
                  .arg(list.unreadable);
    QTimer::singleShot(0, this, [this, message] { env_.messages.warning(this, message); });
}

void TfrmAllegaExcel::find() { found_.findNext(env_.messages, this); }

void TfrmAllegaExcel::showEntryPanel() {
    panels_->setCurrentWidget(panCosti_);
    txtData_->setFocus(Qt::OtherFocusReason);
}

void TfrmAllegaExcel::add() {
    for (QLineEdit* e : {txtData_, txtOra_, txtServizi_, txtAgente_}) e->clear();
    txtImporto_->setText(QStringLiteral("0,00"));
    lblPosizione_->clear();
    showEntryPanel();
}

void TfrmAllegaExcel::edit() {
    if (found_.model()->rows().empty()) {
        env_.messages.information(
            this, QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const QModelIndex current = found_.view()->currentIndex();
    if (!current.isValid() || !found_.view()->selectionModel()->isSelected(current)) {
        env_.messages.warning(
            this, QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il "
                                 "pulsante di modifica."));
        return;
    }
    try {
        Archive file = archive();
        // when two entries give the same row, the last of them is the one edited
        openMatchingRows(
            file, [](std::string_view bytes) { return serviceRow()(bytes); },
            found_.model()->rows()[std::size_t(current.row())],
            [this](std::uint64_t index, const Record& r) {
                txtData_->setText(QString::fromStdString(r.get("txtData")));
                txtOra_->setText(QString::fromStdString(r.get("txtOra")));
                txtServizi_->setText(QString::fromStdString(r.get("txtServizi")));
                txtAgente_->setText(QString::fromStdString(r.get("txtAgente")));
                txtImporto_->setText(QString::fromStdString(r.get("txtImporto")));
                lblPosizione_->setText(QString::number(index + 1));
            });
    } catch (const ArchiveError&) {
        reject();
        return;
    }
    showEntryPanel();
}

void TfrmAllegaExcel::save() {
    commitEditing(this);  // a typed amount is stored normalised, even without
                          // leaving the field
    QLineEdit* const fields[] = {txtData_, txtOra_, txtServizi_, txtAgente_, txtImporto_};
    for (std::size_t i = 0; i < std::size(kRequired); ++i) {
        if (!trimmed(fields[i]).empty()) continue;
        env_.messages.warning(this, QString::fromUtf8(kRequired[i].warning));
        fields[i]->setFocus(Qt::OtherFocusReason);
        return;
    }
    // cut to the field, an amount of 13 digits or more would lose its cents: it is refused
    // with the amount's own message
    if (!storableAmount(txtImporto_->text().toStdString())) {
        const Required& amount = kRequired[std::size(kRequired) - 1];
        env_.messages.warning(this, QString::fromUtf8(amount.warning));
        txtImporto_->setFocus(Qt::OtherFocusReason);
        return;
    }
    Record record(serviceLayout());
    for (std::size_t i = 0; i < std::size(kRequired); ++i) record.set(kRequired[i].field, trimmed(fields[i]));
    try {
        Archive file = archive();
        if (const auto p = positionNumber(lblPosizione_->text().toStdString())) {
            file.update(*p - 1, record);
            env_.messages.information(this, QStringLiteral("Le modifiche apportate alla scheda corrente "
                                                           "sono state salvate in archivio."));
        } else {
            // the entry now has a number, so a second "Salva" overwrites it
            lblPosizione_->setText(QString::number(file.append(record) + 1));
            env_.messages.information(this,
                                      QStringLiteral("La scheda corrente è stata inserita in archivio."));
        }
    } catch (const ArchiveError&) {
        env_.messages.warning(this, archiveAccessMessage());
    }
}

void TfrmAllegaExcel::print() {
    const std::string title = "Riepilogo servizi forniti a " + trim(clientName_.toStdString());
    report::printList(this, env_, QString::fromStdString(title),
                      servicesSummaryLines(found_.model()->rows(), lblTotale_->text().toStdString()));
}

}  // namespace custovia
