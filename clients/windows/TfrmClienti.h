#pragma once
// "Clienti e Servizi": the client card editor, with the four checks, the e-mail button, the
// services provided, the privacy form, the client lists, the export and the printed card.
#include "archive/windows/CardEditor.h"
#include "clients/client_card.h"

namespace custovia {

class TfrmClienti final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmClienti(Environment& env, QWidget* parent = nullptr);

    void openServices();  // btnProve
    void openPrivacy();   // btnPrivacy
    void printCard();     // cmdStampa
    void previewCard();   // cmdAnteprima
    void createPdf();     // cmdPDF

private:
    void wireWindows();
    QString trimmedField(const QString& name) const;
};

}  // namespace custovia
