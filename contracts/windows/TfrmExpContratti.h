#pragma once
// The export of the whole contract archive to a worksheet.
#include "archive/windows/ExportWindow.h"

namespace custovia {

class TfrmExpContratti final : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpContratti(Environment& env, QWidget* parent);
};

}  // namespace custovia
