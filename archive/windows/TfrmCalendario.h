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
    // `typed`: what the user already typed in the date field, the key that opened the window.
    TfrmCalendario(Environment& env, QWidget* parent, const QString& modeTag, const QString& typed = {});
    QCalendarWidget* calendar() const { return calendar_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void import();
    // A date typed as "dd/mm/yyyy" (the slashes come by themselves) takes the calendar to that
    // day once it is whole and exists; until then the calendar stays where it was.
    void type(QChar c);
    void forgetTyped();
    void showTyped();
    // The day the typed text names; null while nothing is typed, the text is not whole or the
    // day does not exist.
    QDate typedDate() const;

    Environment& env_;
    QLabel* lblMemory_;
    QCalendarWidget* calendar_;
    QLabel* lblDigitata_;
    QString typed_;
};

}  // namespace custovia
