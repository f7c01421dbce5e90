#include "archive/windows/WorkAreaWindow.h"

#include <QCloseEvent>

namespace custovia {

void WorkAreaWindow::closeEvent(QCloseEvent* event) {
    beforeLeaving();
    event->ignore();
    hide();
    emit left();
}

}  // namespace custovia
