#pragma once
// The imminent appointments, as the agenda lists them, in a grid to export.
#include "archive/clock.h"
#include "archive/windows/ExportWindow.h"

namespace custovia {

class TfrmExpImminenti final : public ExportWindow {
    Q_OBJECT
public:
    // chosen: the day of the agenda's calendar.
    TfrmExpImminenti(Environment& env, QWidget* parent, const DateTime& chosen);
};

}  // namespace custovia
