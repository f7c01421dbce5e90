#pragma once
// The export of the whole appointment archive to a worksheet, in file order, without the key.
#include "archive/windows/ExportWindow.h"

namespace custovia {

class TfrmExpScadenzario final : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpScadenzario(Environment& env, QWidget* parent);
};

}  // namespace custovia
