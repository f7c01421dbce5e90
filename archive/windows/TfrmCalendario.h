#pragma once
// The calendar window: picks a date for the card editor named by its mode tag.
#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>

#include "archive/windows/Environment.h"

namespace custovia {

class TfrmCalendario final : public QDialog {
    Q_OBJECT
public:
    TfrmCalendario(Environment& env, QWidget* parent, const QString& modeTag);
    QCalendarWidget* calendar() const { return calendar_; }

private:
    void import();

    Environment& env_;
    QLabel* lblMemory_;
    QCalendarWidget* calendar_;
};

}  // namespace custovia
