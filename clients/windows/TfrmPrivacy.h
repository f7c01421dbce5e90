#pragma once
// The privacy consent form: the firm's data (kept in Liberatoria_Privacy.ini, written by
// "Chiudi"), the client's data copied from the client card, and "Crea file RTF", which writes
// Modulo_Privacy.rtf and offers to open it.
#include <QDialog>
#include <QHash>
#include <QString>

#include "archive/windows/Environment.h"

namespace custovia {

class TfrmPrivacy final : public QDialog {
    Q_OBJECT
public:
    TfrmPrivacy(Environment& env, QWidget* parent);

    // A field of the form by its control name (line edit or province box).
    QString fieldText(const QString& name) const;
    void setFieldText(const QString& name, const QString& text);

    void createDocument();  // "Crea file RTF"
    void closeAndStore();   // "Chiudi"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildFields();
    void readSettings();

    Environment& env_;
    QHash<QString, QWidget*> fields_;
    bool shownOnce_ = false;
};

}  // namespace custovia
