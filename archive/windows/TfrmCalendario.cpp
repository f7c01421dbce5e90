#include "archive/windows/TfrmCalendario.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "archive/windows/CardEditor.h"
#include "archive/windows/FieldBehaviour.h"

namespace custovia {

TfrmCalendario::TfrmCalendario(Environment& env, QWidget* parent, const QString& modeTag,
                               const QString& typed)
    : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    lblMemory_ = new QLabel(modeTag, this);
    lblMemory_->setObjectName(QStringLiteral("lblMemory"));
    lblMemory_->hide();
    auto* caption = new QLabel(QStringLiteral("Importare una data:"), this);
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("calData"));
    calendar_->setGridVisible(true);
    // the toolkit's own typed-date entry lands on a day of its choosing: typing is ours
    calendar_->setDateEditEnabled(false);
    const DateTime today = env_.clock.now();
    calendar_->setSelectedDate(QDate(today.year, today.month, today.day));
    caption->setBuddy(calendar_);
    calendar_->setAccessibleName(QStringLiteral("Importare una data"));
    lblDigitata_ = new QLabel(this);
    lblDigitata_->setObjectName(QStringLiteral("lblDigitata"));
    auto* importa = new QPushButton(QStringLiteral("Importa"), this);
    importa->setObjectName(QStringLiteral("btnImporta"));
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(calendar_, 1, 0, 1, 2);
    grid->addWidget(lblDigitata_, 2, 0, 1, 2);
    grid->addWidget(importa, 3, 0);
    grid->addWidget(annulla, 3, 1);
    makeFixedWindow(this, QSize(360, 324), true);
    connect(importa, &QPushButton::clicked, this, &TfrmCalendario::import);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    // Enter (or a double-click) on a day imports it, as "Importa" does
    connect(calendar_, &QCalendarWidget::activated, this, &TfrmCalendario::import);
    // a day chosen with the mouse replaces what was typed
    connect(calendar_, &QCalendarWidget::clicked, this, &TfrmCalendario::forgetTyped);
    // the keys reach the days' view before the calendar sees them
    for (QAbstractItemView* days : calendar_->findChildren<QAbstractItemView*>())
        days->installEventFilter(this);
    removeDefaultButtons(this);
    calendar_->setFocus();
    for (const QChar c : typed) type(c);
}

bool TfrmCalendario::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // a typed date that is not whole, or names no day, is never turned into another one
            return !typed_.isEmpty() && typedDate().isNull();
        case Qt::Key_Backspace:
            if (typed_.isEmpty()) return false;
            typed_.chop(1);
            showTyped();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            // the arrows move from the day shown as chosen
            forgetTyped();
            return false;
        default:
            break;
    }
    const QString text = key->text();
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (text.isEmpty() || !text[0].isPrint() || shortcut) return false;  // Escape and commands pass
    // a typed character never moves the calendar by itself: only a whole date does
    for (const QChar c : text) type(c);
    return true;
}

void TfrmCalendario::type(QChar c) {
    const qsizetype slashes = typed_.count(QLatin1Char('/'));
    const qsizetype section = typed_.size() - (typed_.lastIndexOf(QLatin1Char('/')) + 1);
    if (c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-')) {
        if (section == 0 || slashes == 2) return;
        typed_ += QLatin1Char('/');
    } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        if (slashes < 2 && section == 2) typed_ += QLatin1Char('/');
        if (slashes == 2 && section == 4) return;  // the year is whole
        typed_ += c;
    } else {
        return;
    }
    showTyped();
}

QDate TfrmCalendario::typedDate() const {
    const QStringList parts = typed_.split(QLatin1Char('/'));
    if (parts.size() != 3 || parts[0].isEmpty() || parts[1].isEmpty() || parts[2].size() != 4) return {};
    const QDate date(parts[2].toInt(), parts[1].toInt(), parts[0].toInt());
    if (!date.isValid() || date < calendar_->minimumDate() || date > calendar_->maximumDate()) return {};
    return date;
}

void TfrmCalendario::forgetTyped() {
    typed_.clear();
    showTyped();
}

void TfrmCalendario::showTyped() {
    if (typed_.isEmpty()) {
        lblDigitata_->clear();
        return;
    }
    const QDate date = typedDate();
    const bool whole = typed_.count(QLatin1Char('/')) == 2 && typed_.size() - typed_.lastIndexOf('/') == 5;
    if (!date.isNull()) calendar_->setSelectedDate(date);
    lblDigitata_->setText(QStringLiteral("Data digitata: ") + typed_ +
                          (whole && date.isNull() ? QStringLiteral(" (data inesistente)") : QString()));
}

void TfrmCalendario::import() {
    // a typed date that names no day imports nothing
    if (!typed_.isEmpty() && typedDate().isNull()) return;
    // only the editors that asked for a date under this tag take one
    const QString tag = lblMemory_->text();
    auto* editor = env_.windows.find<CardEditor>(tag);
    if (!editor || editor->config().calendarTag != tag) return;
    const QDate d = calendar_->selectedDate();
    editor->setFieldText(editor->config().dateField,
                         QString::fromStdString(formatDate({d.year(), d.month(), d.day()})));
    accept();
}

}  // namespace custovia
