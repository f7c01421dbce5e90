#pragma once
// A work area's main window: single instance, shown maximised from the launcher, hidden
// (never destroyed) when closed, which brings the launcher back.
#include <QMainWindow>

namespace custovia {

// A work area's window caption: the program's name, then the area's (" Custovia - Clienti e Servizi").
QString workAreaCaption(const QString& areaName);

class WorkAreaWindow : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

signals:
    void left();  // the window was closed: the launcher shows again

protected:
    // Work done before the window leaves (settings to store, a sound to stop).
    virtual void beforeLeaving() {}
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace custovia
