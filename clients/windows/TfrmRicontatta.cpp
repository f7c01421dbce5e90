#include "clients/windows/TfrmRicontatta.h"

#include "clients/client_lists.h"
#include "clients/clients.h"

namespace custovia {

TfrmRicontatta::TfrmRicontatta(Environment& env, QWidget* parent)
    : ListWindow(env,
                 summaryList(env, {kClientsFile, clientLayout(), kClientsTag, clientRecontactRow()},
                             clientToRecontact, QStringLiteral("TfrmRicontatta"),
                             QStringLiteral(" Riepilogo clienti da ricontattare"),
                             QStringLiteral("Riepilogo clienti da ricontattare")),
                 parent) {}

}  // namespace custovia
