#pragma once
// "Registro messaggi": the messages the program handed to the system, newest first, searched
// by work area, recipient and text like the cards of a work area, printed as a list and
// exported to Registro_Messaggi.xls.
#include "archive/windows/ExportWindow.h"
#include "archive/windows/ListWindow.h"

namespace custovia {

class TfrmRegistroMessaggi final : public ListWindow {
    Q_OBJECT
public:
    TfrmRegistroMessaggi(Environment& env, QWidget* parent);

    // Creates the register's window over the parent, shows it modally and destroys it.
    static void open(Environment& env, QWidget* parent);
};

// The export of the messages the register's list shows, in its order.
class TfrmExpRegistroMessaggi final : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpRegistroMessaggi(Environment& env, QWidget* parent, std::vector<std::string_view> lines);
};

}  // namespace custovia
