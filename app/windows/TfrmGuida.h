#pragma once
// The help window: a titled help text, read in a scrollable rich-text reader, and the link to
// the user guide in PDF.
#include <QDialog>
#include <QLabel>
#include <QTextBrowser>

#include "app/help.h"
#include "archive/windows/Environment.h"

namespace custovia {

class TfrmGuida final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(Environment& env, QWidget* parent = nullptr);

    // The caller sets the title and the body (paragraphs joined with CR LF CR LF).
    void setHelp(const QString& title, const QString& body);
    void setTopic(HelpTopic topic);
    QString title() const { return lblTitolo_->text(); }
    QString body() const { return body_; }

    // lnkWeb: the user guide among the delivered files, handed to the shell.
    void openUserGuide();

    // Creates the help window of the topic over the parent, shows it modally and destroys it.
    static void open(Environment& env, QWidget* parent, HelpTopic topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Environment& env_;
    QLabel* lblTitolo_ = nullptr;
    QTextBrowser* txtGuida_ = nullptr;
    QString body_;
};

}  // namespace custovia
