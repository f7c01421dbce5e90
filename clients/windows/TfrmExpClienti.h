#pragma once
// The client archive exported to Clienti.xls, sheet "Archivio Clienti".
#include "archive/windows/ExportWindow.h"

namespace custovia {

class TfrmExpClienti final : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpClienti(Environment& env, QWidget* parent);
};

}  // namespace custovia
