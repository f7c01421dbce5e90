#include "appointments/windows/TfrmAgenda.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QShowEvent>
#include <QVBoxLayout>

#include "archive/windows/FixedPitchFont.h"
#include "app/windows/TfrmGuida.h"
#include "appointments/agenda.h"
#include "appointments/appointments.h"
#include "appointments/windows/TfrmExpGiornaliere.h"
#include "appointments/windows/TfrmExpImminenti.h"
#include "appointments/windows/TfrmExpMensili.h"
#include "appointments/windows/TfrmWhatsApp_Message.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/RowListModel.h"
#include "archive/windows/RowListView.h"
#include "report/windows/ListPrint.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

const QStringList kSelectionLabels = {"titData", "titOra", "titContatto", "titCel"};

QLabel* pictureLabel(const QString& name, const char* file, QSize size, const QString& text,
                     QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QIcon(pictureResource(file)).pixmap(size));
    label->setAccessibleName(text);
    return label;
}

PictureButton* wideButton(const QString& name, const char* file, const QString& text, const QString& hint,
                          QWidget* parent) {
    return new PictureButton(name, pictureResource(file), text, hint, parent, QSize(300, 44));
}

// The rows line up only in a fixed-pitch font.
QFont agendaFont() { return fixedPitchFont(QStringLiteral("Courier New"), 14); }

DateTime dayOf(const QDate& date) { return DateTime{date.year(), date.month(), date.day()}; }

}  // namespace

TfrmAgenda::TfrmAgenda(Environment& env, QWidget* parent) : WorkAreaWindow(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmAgenda"));
    setWindowTitle(workAreaCaption(QStringLiteral("Agenda Appuntamenti")));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(20);
    row->addWidget(buildLeftColumn());
    row->addWidget(buildRightColumn(), 1);
    for (const QString& name : kSelectionLabels) {
        auto* label = new QLabel(central);
        label->setObjectName(name);
        label->hide();
        selection_.insert(name, label);
    }
}

QWidget* TfrmAgenda::buildLeftColumn() {
    auto* left = new QWidget(centralWidget());
    auto* column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(pictureLabel(QStringLiteral("imgTitolo"), "agenda_titolo", QSize(420, 60),
                                   QStringLiteral("AGENDA APPUNTAMENTI"), left));
    column->addWidget(
        pictureLabel(QStringLiteral("imgIstruzioni"), "agenda_istruzioni", QSize(420, 84),
                     QStringLiteral("Seleziona una data dal calendario e premi i pulsanti in calce per "
                                    "visualizzare gli appuntamenti di un giorno o un mese dell'anno."),
                     left));
    // the calendar starts on today and keeps the day chosen last while the program runs
    calAppuntamenti_ = new QCalendarWidget(left);
    calAppuntamenti_->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti_->setAccessibleName(QStringLiteral("Calendario"));
    calAppuntamenti_->setGridVisible(true);
    calAppuntamenti_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    const DateTime today = env_.clock.now();
    calAppuntamenti_->setSelectedDate(QDate(today.year, today.month, today.day));
    calAppuntamenti_->setFixedSize(420, 260);
    column->addWidget(calAppuntamenti_);

    auto* giorno =
        wideButton(QStringLiteral("btnGiorno"), "btn_giorno", QStringLiteral("Appuntamenti del giorno"),
                   QStringLiteral("Visualizza gli appuntamenti del giorno scelto nel calendario."), left);
    auto* mese = wideButton(
        QStringLiteral("btnMese"), "btn_mese", QStringLiteral("Appuntamenti del mese"),
        QStringLiteral("Visualizza gli appuntamenti del mese del giorno scelto nel calendario."), left);
    connect(giorno, &QToolButton::clicked, this, [this] { openGrid<TfrmExpGiornaliere>(); });
    connect(mese, &QToolButton::clicked, this, [this] { openGrid<TfrmExpMensili>(); });
    column->addWidget(giorno, 0, Qt::AlignHCenter);
    column->addWidget(mese, 0, Qt::AlignHCenter);
    column->addSpacing(16);

    const QString insertHint = QStringLiteral("Inserisci e modifica gli appuntamenti nello schedario.");
    auto* clock =
        new PictureButton(QStringLiteral("appApriArchivio"), pictureResource("orologio"),
                          QStringLiteral("Schedario appuntamenti"), insertHint, left, QSize(44, 44));
    auto* insert = wideButton(QStringLiteral("btnArchivio"), "btn_inserisci",
                              QStringLiteral("Inserisci appuntamenti"), insertHint, left);
    connect(clock, &QToolButton::clicked, this, &TfrmAgenda::openCard);
    connect(insert, &QToolButton::clicked, this, &TfrmAgenda::openCard);
    auto* archive = new QHBoxLayout;
    archive->addWidget(clock);
    archive->addWidget(insert);
    archive->addStretch();
    column->addLayout(archive);
    column->addStretch();
    left->setFixedWidth(440);
    return left;
}

QWidget* TfrmAgenda::buildRightColumn() {
    auto* right = new QWidget(centralWidget());
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);

    // the two picture pairs stand in the same place: one of them is visible
    presenti_ = new QWidget(right);
    auto* si = new QHBoxLayout(presenti_);
    si->addWidget(pictureLabel(QStringLiteral("imgAppuntamentiSI"), "guardia_ok", QSize(150, 150),
                               QStringLiteral("Guardia con il pollice alzato"), presenti_));
    si->addWidget(pictureLabel(QStringLiteral("imgPresenti"), "agenda_ci_sono", QSize(340, 120),
                               QStringLiteral("Ci sono appuntamenti"), presenti_));
    si->addStretch();
    assenti_ = new QWidget(right);
    auto* no = new QHBoxLayout(assenti_);
    no->addWidget(pictureLabel(QStringLiteral("imgAppuntamentiNO"), "guardia_braccia", QSize(150, 150),
                               QStringLiteral("Guardia a braccia conserte"), assenti_));
    no->addWidget(pictureLabel(QStringLiteral("imgAssenti"), "agenda_non_ci_sono", QSize(380, 120),
                               QStringLiteral("Non ci sono appuntamenti"), assenti_));
    no->addStretch();
    assenti_->hide();

    auto* buttons = new QHBoxLayout;
    const auto button = [right, buttons](const char* name, const char* file, const QString& text,
                                         const QString& hint) {
        auto* b = new PictureButton(QLatin1String(name), pictureResource(file), text, hint, right);
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        buttons->addWidget(b);
        return b;
    };
    auto* whatsApp =
        button("btnWhatsApp", "whatsapp", QStringLiteral("WhatsApp"),
               QStringLiteral("Invia al cliente selezionato il promemoria dell'appuntamento tramite "
                              "WhatsApp."));
    auto* stampa = button("btnStampa", "stampa", QStringLiteral("Stampa riepilogo"),
                          QStringLiteral("Stampa il riepilogo degli appuntamenti imminenti."));
    auto* excel =
        button("btnExcel", "excel", QStringLiteral("Esporta in Excel"),
               QStringLiteral("Visualizza gli appuntamenti imminenti in una griglia da esportare in Excel."));
    auto* guida =
        button("imgGuida", "guida", QStringLiteral("Guida"), QStringLiteral("Visualizza la guida in linea."));
    auto* esci = button("imgEsci", "esci", QStringLiteral("Esci"),
                        QStringLiteral("Esci da questa schermata di lavoro."));
    buttons->addStretch();
    connect(whatsApp, &QToolButton::clicked, this, &TfrmAgenda::sendReminder);
    connect(stampa, &QToolButton::clicked, this, &TfrmAgenda::printList);
    connect(excel, &QToolButton::clicked, this, [this] { openGrid<TfrmExpImminenti>(); });
    connect(guida, &QToolButton::clicked, this, [this] { TfrmGuida::open(env_, this, HelpTopic::Agenda); });
    connect(esci, &QToolButton::clicked, this, &QWidget::close);

    model_ = new RowListModel(this);
    lstRecords_ = newRowListView(model_, QStringLiteral("Appuntamenti imminenti"), agendaFont(), right);
    // the chosen appointment follows the current row, moved by click or by keyboard
    connect(lstRecords_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { chooseRow(current); });

    column->addWidget(presenti_);
    column->addWidget(assenti_);
    column->addLayout(buttons);
    column->addWidget(lstRecords_, 1);
    return right;
}

const std::vector<std::string>& TfrmAgenda::rows() const { return model_->rows(); }

QString TfrmAgenda::selected(const QString& label) const {
    const QLabel* l = selection_.value(label);
    return l ? l->text() : QString();
}

void TfrmAgenda::showEvent(QShowEvent* event) {
    WorkAreaWindow::showEvent(event);
    // a window coming back from the task bar is not a new showing
    if (!event->spontaneous()) refresh();
}

void TfrmAgenda::refresh() {
    for (QLabel* label : std::as_const(selection_)) label->clear();
    selectedCard_.clear();
    std::vector<std::string> found;
    try {
        Archive archive(env_.file(kAppointmentsFile), appointmentLayout(), env_.files);
        collectAgenda(archive, dayNumber(env_.clock.now()), found);
    } catch (const ArchiveError&) {
        // the agenda shows what it could read, without a word
    }
    sortAgenda(found);
    // the count is the list's own: what is listed is what the pictures and the alarm tell
    const bool imminent = !found.empty();
    model_->setRows(std::move(found));
    presenti_->setVisible(imminent);
    assenti_->setVisible(!imminent);
    soundLoaded_ = imminent && env_.audio.play(env_.deliveredFile(kAlarmSoundFile));
}

void TfrmAgenda::chooseRow(const QModelIndex& current) {
    if (!current.isValid()) return;
    try {
        Archive archive(env_.file(kAppointmentsFile), appointmentLayout(), env_.files);
        if (const auto chosen = selectAgendaRow(archive, model_->rows()[std::size_t(current.row())])) {
            selection_.value(QStringLiteral("titData"))->setText(QString::fromStdString(chosen->date));
            selection_.value(QStringLiteral("titOra"))->setText(QString::fromStdString(chosen->time));
            selection_.value(QStringLiteral("titContatto"))->setText(QString::fromStdString(chosen->client));
            selection_.value(QStringLiteral("titCel"))->setText(QString::fromStdString(chosen->mobile));
            selectedCard_ = QString::fromStdString(chosen->card);
        }
    } catch (const ArchiveError&) {
        // the selection stays as it was
    }
}

void TfrmAgenda::sendReminder() {
    if (model_->rows().empty()) {
        env_.messages.warning(this,
                              QStringLiteral("Invio messaggio di WhatsApp non applicabile: la lista non "
                                             "contiene nessun appuntamento."));
        return;
    }
    // the list may hold a current row for the keyboard without any row being chosen
    if (!lstRecords_->selectionModel()->hasSelection()) {
        env_.messages.warning(
            this, QStringLiteral("Attenzione: selezionare dall'elenco il cliente a cui si desidera "
                                 "inviare il promemoria dell'appuntamento prima di fare clic "
                                 "sull'icona di WhatsApp."));
        return;
    }
    TfrmWhatsApp_Message window(env_, this);
    window.setAppointment(selected(QStringLiteral("titData")), selected(QStringLiteral("titOra")),
                          selected(QStringLiteral("titContatto")), selected(QStringLiteral("titCel")),
                          selectedCard_);
    window.exec();
}

void TfrmAgenda::printList() {
    report::printList(this, env_, QStringLiteral("Riepilogo appuntamenti imminenti"), model_->rows());
}

template <typename Window>
void TfrmAgenda::openGrid() {
    Window window(env_, this, dayOf(calAppuntamenti_->selectedDate()));
    window.exec();
}

void TfrmAgenda::openCard() {
    const QString tag = toQString(kAppointmentsTag);
    if (auto* card = env_.windows.find<QWidget>(tag)) {
        // the agenda only steps aside: the card editor brings back the launcher when it closes
        card->showMaximized();
        hide();
    }
}

void TfrmAgenda::beforeLeaving() {
    if (soundLoaded_) env_.audio.stop();
    soundLoaded_ = false;
}

}  // namespace custovia
