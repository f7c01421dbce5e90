#include "clients/windows/TfrmRicontatta.h"

#include "clients/client_lists.h"
#include "clients/clients.h"

namespace custovia {
namespace {

ListConfig recontactConfig(Environment& env) {
    ListConfig c;
    c.objectName = QStringLiteral("TfrmRicontatta");
    c.caption = QStringLiteral(" Riepilogo clienti da ricontattare");
    c.kind = ListKind::Summary;
    c.archiveFile = std::string(kClientsFile);
    c.layout = &clientLayout();
    c.row = [](std::string_view bytes) { return clientRecontactRow()(bytes); };
    c.condition = clientToRecontact;
    c.printTitle = QStringLiteral("Riepilogo clienti da ricontattare");
    c.otherTags = loadIntoCardEditor(env, kClientsTag);  // whatever the tag says
    return c;
}

}  // namespace

TfrmRicontatta::TfrmRicontatta(Environment& env, QWidget* parent)
    : ListWindow(env, recontactConfig(env), parent) {}

}  // namespace custovia
