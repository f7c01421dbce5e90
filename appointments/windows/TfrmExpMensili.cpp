#include "appointments/windows/TfrmExpMensili.h"

#include "appointments/windows/AgendaGridConfig.h"

namespace custovia {

TfrmExpMensili::TfrmExpMensili(Environment& env, QWidget* parent, const DateTime& chosen)
    : ExportWindow(env, parent,
                   agendaGridConfig(GridSelection::Month, QStringLiteral("TfrmExpMensili"),
                                    QStringLiteral(" Appuntamenti del mese"), chosen)) {}

}  // namespace custovia
