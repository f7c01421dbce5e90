#pragma once
// The small print and preview windows opened from a card (TfrmStampa..., TfrmAnteprima...):
// fixed size, centred on the card, no title-bar buttons, an explanatory picture with its
// texts, "Annulla" and the action button. The action reads the card at that moment through
// the fill callback, prints or previews, and closes the window in every case.
#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "archive/windows/Environment.h"
#include "report/windows/Report.h"
#include "archive/windows/qt_text.h"

class QLabel;
class QPushButton;

namespace custovia::report {

enum class PrintAction { Print, Preview };

// The explanations the print and preview windows share.
inline const QString kPrintHeading = QStringLiteral("Stampa documento");
inline const QStringList kPrintTexts = {
    QStringLiteral("Questa operazione provvederà a stampare su carta il documento con i dati immessi nei "
                   "campi di testo."),
    QStringLiteral("Premere il pulsante Stampa per dare avvio alla stampa su carta oppure premere Annulla "
                   "per annullare l'operazione.")};
inline const QString kPreviewHeading = QStringLiteral("Anteprima di stampa");
inline const QStringList kPreviewTexts = {
    QStringLiteral(
        "Questa operazione consente di visualizzare in anteprima i dati che appariranno in stampa."),
    QStringLiteral("Fare clic su Mostra anteprima per visualizzare il documento sullo schermo prima di "
                   "eseguire la stampa su carta.")};

struct PrintDialogSetup {
    QString objectName;        // the window's class name, "TfrmStampaIntervento"
    QString caption;           // " Stampa scheda", " Stampa documento", " Anteprima di stampa"
    std::string templateName;  // of templates/reports, "scheda_intervento"
    PrintAction action = PrintAction::Print;
    QString actionButton = QStringLiteral("cmdStampa");
    QString actionText = QStringLiteral("Stampa");
    QString cancelButton = QStringLiteral("cmdAnnulla");
    QString heading;    // written beside the picture, when given
    QStringList texts;  // the explanations under the heading
    QString picture = pictureResource("print_dialog");
    // When set, any failure shows this warning before the window closes; otherwise a failure
    // is reported by the report engine's own message.
    QString failureWarning;
    QSize size{460, 210};
};

// A print window: "Stampa" on cmdStampa, the print heading and explanations.
PrintDialogSetup printSetup(QString objectName, QString caption, std::string templateName);
// A preview window (" Anteprima di stampa"): "Mostra anteprima" on cmdAnteprima, the preview
// heading, explanations and picture.
PrintDialogSetup previewSetup(QString objectName, std::string templateName);

// Sets the report's objects from the card on screen. The page is already portrait.
using FillReport = std::function<void(Report&)>;

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(QWidget* owner, Environment& env, PrintDialogSetup setup, FillReport fill);

protected:
    void showEvent(QShowEvent* event) override;
    Environment& env() { return env_; }

private:
    void buildPicture(QLabel* picture) const;
    void cmdStampaClick();
    void printOrPreview();

    Environment& env_;
    PrintDialogSetup setup_;
    FillReport fill_;
};

}  // namespace custovia::report
