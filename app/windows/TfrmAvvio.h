#pragma once
// The launcher: five work-area tiles, the backups, information, help, splash and exit icons,
// the maker's banner, and a notice line left of the icons (a failed automatic backup, say).
#include <QMainWindow>
#include <functional>

#include "archive/windows/Environment.h"

class QLabel;

namespace custovia {

class TfrmAvvio final : public QMainWindow {
    Q_OBJECT
public:
    TfrmAvvio(Environment& env, QWidget* parent = nullptr);

    // A one-line notice that blocks nothing; an empty text clears it.
    void showNotice(const QString& text);
    QString notice() const;

    // What a tile or icon does, by its control name (imgApp01 ... imgEsci); controls
    // without an action do nothing.
    void setAction(const QString& control, std::function<void()> action);
    void trigger(const QString& control);

signals:
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Environment& env_;
    QLabel* lblMessaggio_ = nullptr;
    QHash<QString, std::function<void()>> actions_;
};

}  // namespace custovia
