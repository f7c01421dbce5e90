#include "archive/windows/WorkAreaWindow.h"

#include <QCloseEvent>

namespace custovia {

QString workAreaCaption(const QString& areaName) { return QStringLiteral(" Custovia - ") + areaName; }

void WorkAreaWindow::closeEvent(QCloseEvent* event) {
    beforeLeaving();
    event->ignore();
    hide();
    emit left();
}

}  // namespace custovia
