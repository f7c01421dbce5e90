#include "appointments/windows/TfrmExpImminenti.h"

#include "appointments/windows/AgendaGridConfig.h"

namespace custovia {

TfrmExpImminenti::TfrmExpImminenti(Environment& env, QWidget* parent, const DateTime& chosen)
    : ExportWindow(env, parent,
                   agendaGridConfig(GridSelection::Imminent, QStringLiteral("TfrmExpImminenti"),
                                    QStringLiteral(" Appuntamenti imminenti"), chosen)) {}

}  // namespace custovia
