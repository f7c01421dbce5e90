#pragma once
#include <QApplication>

namespace custovia {

// Italian standard dialogs, day/month/year dates with a decimal comma, and the fonts the
// layouts are drawn for. Called once, before any window is created.
void prepareApplication(QApplication& app);

}  // namespace custovia
