#pragma once
// The export of the whole intervention archive to a worksheet.
#include "archive/windows/ExportWindow.h"

namespace custovia {

class TfrmExpInterventi final : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpInterventi(Environment& env, QWidget* parent);
};

}  // namespace custovia
