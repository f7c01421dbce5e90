#include "clients/windows/TfrmExpClienti.h"

#include "clients/client_export.h"
#include "clients/clients.h"

namespace custovia {

TfrmExpClienti::TfrmExpClienti(Environment& env, QWidget* parent)
    : ExportWindow(env, parent,
                   archiveExport(QStringLiteral("TfrmExpClienti"),
                                 QStringLiteral(" Esporta archivio clienti in Excel"), clientExport(),
                                 kClientsFile, clientLayout(), HelpTopic::ExportClients)) {}

}  // namespace custovia
