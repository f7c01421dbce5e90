#pragma once
// The appointments of the month of the day chosen in the agenda's calendar, done ones included.
#include "archive/clock.h"
#include "archive/windows/ExportWindow.h"

namespace custovia {

class TfrmExpMensili final : public ExportWindow {
    Q_OBJECT
public:
    // chosen: the day of the agenda's calendar.
    TfrmExpMensili(Environment& env, QWidget* parent, const DateTime& chosen);
};

}  // namespace custovia
