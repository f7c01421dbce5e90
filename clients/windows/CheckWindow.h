#pragma once
// The check windows share one mechanism: a logo, a title, one input field and the buttons
// "Controlla" and "Chiudi". Each check window only says how its field behaves and which check
// runs; the check's message is shown, and the window closes unless the input needs correcting.
#include <QDialog>
#include <string_view>

#include "archive/windows/Environment.h"
#include "clients/checks.h"

class QLineEdit;

namespace custovia {

struct CheckWindowSetup {
    const char* windowName;  // the class name, also the window's objectName
    const char* caption;
    const char* title;      // the instruction above the field (`lblTitolo`)
    const char* inputName;  // the field's objectName
    int maxLength;
    bool upperTrimmed;  // trimmed and ASCII upper-cased on every keystroke
    bool digitKeys;     // key presses other than digits and the editing keys are dropped
    CheckResult (*check)(std::string_view fieldText);
};

class CheckWindow : public QDialog {
    Q_OBJECT
public:
    // callerText: the caller's field; it arrives trimmed (and in the field's own form).
    CheckWindow(Environment& env, QWidget* parent, const QString& callerText, const CheckWindowSetup& setup);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void runCheck();

    Environment& env_;
    CheckResult (*check_)(std::string_view);
    QLineEdit* input_;
};

}  // namespace custovia
