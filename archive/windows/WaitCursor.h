#pragma once
// The wait pointer while a long task runs (filling a large list, writing a file, a backup),
// for as long as the object lives.
#include <QGuiApplication>

namespace custovia {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace custovia
