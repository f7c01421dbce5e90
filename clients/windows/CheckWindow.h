#pragma once
// The check windows share one mechanism: a logo, a title, one input field and the buttons
// "Controlla" and "Chiudi". Each check window only says how its field behaves and which check
// runs; the check's message is shown, and the window closes unless the input needs correcting.
#include <QDialog>
#include <string_view>

#include "archive/windows/CardEditor.h"
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

// Opens the window of a check on the text of a card's field, trimmed, and waits until it closes;
// a tax code goes where checkFor() sends it. The checks never write back into the card.
void openCheck(Environment& env, QWidget* owner, Check check, const QString& fieldText);

// A card's button for the check of a field, as every card shows it: the "controlla" picture and
// the check's caption and hint, named after the check (btnCodFisc, btnPartitaIva, btnCarta,
// btnIban) followed by nameEnding, its caption followed by captionEnding.
Companion checkButton(Check check, const QString& field, const QString& nameEnding = {},
                      const QString& captionEnding = {});

}  // namespace custovia
