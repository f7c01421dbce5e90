#include "appointments/windows/TfrmExpGiornaliere.h"

#include "appointments/windows/AgendaGridConfig.h"

namespace custovia {

TfrmExpGiornaliere::TfrmExpGiornaliere(Environment& env, QWidget* parent, const DateTime& chosen)
    : ExportWindow(env, parent,
                   agendaGridConfig(GridSelection::Day, QStringLiteral("TfrmExpGiornaliere"),
                                    QStringLiteral(" Appuntamenti del giorno"), chosen)) {}

}  // namespace custovia
