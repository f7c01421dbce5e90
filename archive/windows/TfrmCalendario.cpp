#include "archive/windows/TfrmCalendario.h"

#include <QGridLayout>
#include <QPushButton>

#include "archive/windows/CardEditor.h"
#include "archive/windows/FieldBehaviour.h"

namespace custovia {

TfrmCalendario::TfrmCalendario(Environment& env, QWidget* parent, const QString& modeTag)
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
    const DateTime today = env_.clock.now();
    calendar_->setSelectedDate(QDate(today.year, today.month, today.day));
    caption->setBuddy(calendar_);
    calendar_->setAccessibleName(QStringLiteral("Importare una data"));
    auto* importa = new QPushButton(QStringLiteral("Importa"), this);
    importa->setObjectName(QStringLiteral("btnImporta"));
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(calendar_, 1, 0, 1, 2);
    grid->addWidget(importa, 2, 0);
    grid->addWidget(annulla, 2, 1);
    makeFixedWindow(this, QSize(360, 300), true);
    connect(importa, &QPushButton::clicked, this, &TfrmCalendario::import);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    // Enter (or a double-click) on a day imports it, as "Importa" does
    connect(calendar_, &QCalendarWidget::activated, this, &TfrmCalendario::import);
    removeDefaultButtons(this);
    calendar_->setFocus();
}

void TfrmCalendario::import() {
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
