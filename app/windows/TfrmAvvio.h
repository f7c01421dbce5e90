#pragma once
// The launcher: five work-area tiles, the information, help, splash and exit icons and the
// maker's banner.
#include <QMainWindow>
#include <functional>

#include "archive/windows/Environment.h"

namespace custovia {

class TfrmAvvio final : public QMainWindow {
    Q_OBJECT
public:
    TfrmAvvio(Environment& env, QWidget* parent = nullptr);

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
    QHash<QString, std::function<void()>> actions_;
};

}  // namespace custovia
